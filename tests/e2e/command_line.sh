#!/usr/bin/env bash
# The command line without any display: --help and --version answer, an unknown option and a
# start with nowhere to show the window each end with one clear complaint, never Qt's abort.
#
# Usage: command_line.sh PATH_TO_KELVARO
set -euo pipefail

program="$1"
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the program with no display of any kind; sets "status".
run_headless() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    timeout 20 "$program" "$@" >"$out" 2>"$err" || status=$?
}

for option in --help -h; do
  run_headless "$option"
  [ "$status" -eq 0 ] || fail "$option ended with status $status"
  grep -q '^Usage: kelvaro \[options\]$' "$out" || fail "$option printed no usage line naming kelvaro"
  grep -q 'fish-breeding business game' "$out" || fail "$option does not say what the game is"
  grep -q -- '-v, --version' "$out" || fail "$option does not list --version"
  grep -q -- '-t, --text' "$out" || fail "$option does not list --text"
  grep -qF '$XDG_CONFIG_HOME/quira/quira.conf' "$out" || fail "$option does not name the save"
  grep -qF '~/.config/quira/quira.conf' "$out" || fail "$option does not name the default save"
done

for option in --version -v; do
  run_headless "$option"
  [ "$status" -eq 0 ] || fail "$option ended with status $status"
  [ "$(cat "$out")" = "Kelvaro 2.8.0" ] || fail "$option printed '$(cat "$out")'"
done

run_headless --fishing
[ "$status" -ne 0 ] && [ "$status" -ne 134 ] || fail "an unknown option ended with status $status"
grep -qF "Unknown option 'fishing'" "$err" || fail "no complaint about the unknown option"
[ ! -s "$out" ] || fail "an unknown option printed to standard output"

run_headless
[ "$status" -ne 0 ] && [ "$status" -ne 134 ] || fail "no display ended with status $status"
[ "$(wc -l <"$err")" -eq 1 ] || fail "no display gave not one line: $(cat "$err")"
grep -q '^kelvaro: cannot open the game.s window: no X display is set' "$err" ||
  fail "unclear complaint: $(cat "$err")"
# The terminal game needs no display, but a terminal: without one it says so in one line.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
  timeout 20 "$program" --text </dev/null >"$out" 2>"$err" || status=$?
[ "$status" -eq 1 ] || fail "--text without a terminal ended with status $status"
[ "$(cat "$err")" = "kelvaro: cannot play in the terminal: standard input is not a terminal." ] ||
  fail "unclear complaint without a terminal: $(cat "$err")"
[ ! -s "$out" ] || fail "--text without a terminal printed to standard output"
echo "help, version, an unknown option, no display and no terminal answered"
