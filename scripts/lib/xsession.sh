# Shared by the scripts and tests that drive the game on a private X server.
# Source it; it defines functions only. start_x_server alone needs "work" (a scratch folder)
# and "xvfb_pid" (empty); begin_private_session sets up both.

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${game_pid:-}" ] && ! kill -0 "$game_pid" 2>/dev/null; then
    echo "the game (process $game_pid) is no longer running" >&2
  fi
  local log
  for log in "${work:-/nonexistent}"/*.log; do
    [ -s "$log" ] && { echo "--- ${log##*/}:" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

# A display of our own; the screen size may be given. Xvfb picks a free display number itself
# and writes it down once it accepts clients, so tests running side by side never race for
# the same number. -noreset: by default the server resets when its last client leaves and turns
# away whoever connects meanwhile, as the game may between two checks or xdotool calls.
start_x_server() {
  local screen="${1:-1024x768x24}" display="" tries
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for tries in $(seq 1 100); do
    display="$(cat "$work/display" 2>/dev/null || true)"
    if [ -n "$display" ] && xdpyinfo -display ":${display}" >/dev/null 2>&1; then
      export DISPLAY=":${display}"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  fail "no X server could be started"
}

# The id of the first visible window whose title matches the pattern, or nothing. A search
# that meets a window being destroyed fails with an X error; that counts as nothing found yet.
visible_window_titled() {
  local ids
  ids="$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)"
  echo "${ids%%$'\n'*}"
}

# The id of the one window whose title matches the pattern, waiting up to 20 seconds. Polled
# rather than "search --sync", which gives up at the first X error of a busy start-up.
window_titled() {
  local id deadline=$((SECONDS + 20))
  while [ "$SECONDS" -le "$deadline" ]; do
    id="$(visible_window_titled "$1")"
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  fail "no window titled like '$1' appeared"
}

# Gives the window the keyboard and presses the keys.
keys_to() {
  local id="$1"
  shift
  xdotool windowfocus --sync "$id"
  xdotool key --delay 50 "$@"
}

# Presses the keys in the window, the last of them Ctrl+C, and prints what that copied, as the
# player would copy it. The clipboard is marked first and read until the window has replaced
# the mark, so that a busy window cannot be read before it has handled the keys.
copy_after() {
  local id="$1" tries text
  shift
  printf 'nothing copied' | xclip -selection clipboard >/dev/null 2>&1
  keys_to "$id" "$@"
  for tries in $(seq 1 50); do
    text="$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)"
    [ "$text" != 'nothing copied' ] && break
    sleep 0.1
  done
  echo "$text"
}

# Answers with Enter every plain message (caption "Kelvaro") that a day brings, until none
# has been open for a second.
answer_plain_messages() {
  local quiet=0 id
  while [ "$quiet" -lt 10 ]; do
    id="$(visible_window_titled '^Kelvaro$')"
    if [ -n "$id" ]; then
      keys_to "$id" Return
      quiet=0
    else
      quiet=$((quiet + 1))
    fi
    sleep 0.1
  done
}

# A scratch folder "work", a private X server (the screen may be given) and settings and home
# folders of the session's own, all ended and removed on exit. Whoever starts the game puts
# its process id in "game_pid".
begin_private_session() {
  work="$(mktemp -d)"
  xvfb_pid=""
  game_pid=""
  trap end_private_session EXIT
  start_x_server "$@"
  export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
  mkdir -p "$XDG_CONFIG_HOME" "$HOME"
  unset QT_QPA_PLATFORM
}

end_private_session() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}

# Answers the three greetings and gives the company the name; prints the main window's id.
start_game() {
  local company="$1"
  keys_to "$(window_titled '^Congratulations!$')" Return
  keys_to "$(window_titled '^No fish!$')" Return
  keys_to "$(window_titled ' 1000$')" Return
  xdotool windowfocus --sync "$(window_titled '^Name$')"
  xdotool type --delay 30 "$company"
  xdotool key Return
  window_titled "^Kelvaro - ${company}\$"
}
