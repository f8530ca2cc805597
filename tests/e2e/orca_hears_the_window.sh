#!/usr/bin/env bash
# Plays the window with Orca, the desktop's screen reader, listening, on a private X server
# with its own D-Bus session and accessibility bus: the greetings, the company's name, a Tab
# round, a Wait and a Buy through its prompt. Orca writes what it speaks to its debug file;
# orca_window_game.py drives the game by the spoken words and checks them. What Orca said is
# kept in the transcript file, and after a failure Orca's whole debug file beside it.
#
# Usage: orca_hears_the_window.sh PATH_TO_KELVARO TRANSCRIPT_FILE
set -euo pipefail

program="$1"
transcript="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/lib/xsession.sh"

# Inside the session's own bus: a window manager (without one the focus does not come back to
# the window after a dialog), the accessibility bus switched on as a desktop does for a screen
# reader, Orca, then the game.
if [ "${3:-}" = --inside-the-bus ]; then
  pids=()
  # Orca may linger over its shutdown without a speech server: it is killed outright. The
  # accessibility bus is the launcher's child and would outlive it, so it goes first.
  end_session() {
    kill -KILL $(pgrep -P "$launcher_pid") "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  trap end_session EXIT
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
  launcher_pid=$!
  pids+=("$launcher_pid")
  for property in IsEnabled ScreenReaderEnabled; do
    for tries in $(seq 1 100); do
      gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.freedesktop.DBus.Properties.Set org.a11y.Status "$property" '<true>' \
        >/dev/null 2>&1 && break
      [ "$tries" -lt 100 ] || fail "the accessibility bus did not start"
      sleep 0.1
    done
  done
  # Orca with its debug file line-buffered, so the driver reads it as it grows, and its check
  # for other Orcas off: this session has a display and buses of its own.
  mkdir -p "$work/orca-prefs"
  /usr/bin/python3 "$here/../../scripts/lib/orca_listening.py" --debug-file "$work/orca.out" \
    -u "$work/orca-prefs" >"$work/orca.log" 2>&1 &
  pids+=($!)
  # The game starts once Orca is listening, as it would for a player who uses it.
  for tries in $(seq 1 600); do
    grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.out" 2>/dev/null && break
    [ "$tries" -lt 600 ] || fail "Orca did not start"
    sleep 0.1
  done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/kelvaro.log" 2>&1 &
  game_pid=$!
  pids+=("$game_pid")
  if ! /usr/bin/python3 "$here/orca_window_game.py" "$work/orca.out" "$transcript"; then
    cp "$work/orca.out" "${transcript%.txt}-orca-debug.out"
    fail "Orca did not say what was expected (transcript: $transcript, Orca's debug file beside it)"
  fi
  exit 0
fi

begin_private_session
export LC_ALL=C.UTF-8 LANG=C.UTF-8 work
dbus-run-session -- bash "$0" "$program" "$transcript" --inside-the-bus
