#!/usr/bin/env bash
# Puts a pipe where the saved game lives, then a pipe in place of its folder, and saves and
# loads through the real window each time: each must end in its failure box at once, and the
# game must go on (Help > Info still opens). Prints how long each box took to appear.
#
# Usage: odd_saved_game.sh PATH_TO_KELVARO
set -euo pipefail

program="$1"
source "$(dirname "$0")/../../scripts/lib/xsession.sh"

begin_private_session
export LC_ALL=C.UTF-8

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Presses the keys in the main window and answers the box with the caption; prints the time
# from the key press to the box.
box_after() {
  local keys="$1" caption="$2" start id
  start="$(now_ms)"
  keys_to "$main" "$keys"
  id="$(window_titled "^${caption}\$")"
  echo $(($(now_ms) - start))
  keys_to "$id" Return
}

"$program" >"$work/kelvaro.log" 2>&1 &
game_pid=$!
main="$(start_game "Odd Files")"
folder="$XDG_CONFIG_HOME/quira"

for what in "a pipe at quira.conf" "a pipe for its folder"; do
  rm -rf "$folder"
  if [ "$what" = "a pipe at quira.conf" ]; then
    mkdir -p "$folder"
    mkfifo "$folder/quira.conf"
  else
    mkfifo "$folder"
  fi
  saved_ms="$(box_after ctrl+s Save)"
  loaded_ms="$(box_after ctrl+l Kelvaro)"
  info_ms="$(box_after F1 Info)"
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended after $what"
  echo "$what: Save refused after ${saved_ms} ms, Load after ${loaded_ms} ms, Info after ${info_ms} ms"
done

# With a plain file again, the game saves and loads as ever.
rm -rf "$folder"
keys_to "$main" ctrl+s
for tries in $(seq 1 50); do
  [ -s "$folder/quira.conf" ] && break
  sleep 0.1
done
grep -qx 'geld=1000' "$folder/quira.conf" || fail "no save after the pipes were gone"
keys_to "$main" ctrl+l
xdotool windowfocus --sync "$(window_titled '^Kelvaro$')"
xdotool type --delay 30 "Plain Again"
xdotool key Return
window_titled '^Kelvaro - Plain Again$' >/dev/null
echo "a plain file: saved and loaded"
