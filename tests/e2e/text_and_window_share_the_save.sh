#!/usr/bin/env bash
# One saved game for both ways of playing: a game saved in the window loads in the terminal,
# and one saved in the terminal loads in the window. The window runs on a private X server
# and is driven with xdotool, the terminal game in tmux; both use one settings folder.
#
# Usage: text_and_window_share_the_save.sh PATH_TO_KELVARO
set -euo pipefail

program="$1"

source "$(dirname "$0")/../../scripts/lib/xsession.sh"
begin_private_session
source "$(dirname "$0")/../../scripts/lib/tmux_session.sh"
trap 'end_tmux; end_private_session' EXIT
export LC_ALL=C.UTF-8
saved="$XDG_CONFIG_HOME/quira/quira.conf"

saved_value() { sed -n "s/^$1=//p" "$saved"; }

# Waits up to five seconds for the saved game to change from the given text.
wait_for_new_save() {
  local tries
  for tries in $(seq 1 50); do
    [ -s "$saved" ] && [ "$(cat "$saved")" != "$1" ] && return 0
    sleep 0.1
  done
  fail "the save did not change $saved"
}

# 1. The window buys three angler and saves.
"$program" >"$work/window-1.log" 2>&1 &
game_pid=$!
main="$(start_game "Window Co")"
# Three steps of Tab from the money box reach the angler row's Buy.
keys_to "$main" Tab Tab Tab space
keys_to "$(window_titled '^Kelvaro$')" 3 Return
answer_plain_messages
keys_to "$main" ctrl+s
wait_for_new_save ""
window_save="$(cat "$saved")"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""

# 2. The terminal loads it: the boxes show what the window saved.
start_pane env -u DISPLAY LC_ALL=C.UTF-8 TERM=screen XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
  HOME="$HOME" sh -c "'$program' --text; echo \$? >'$work/status'"
start_terminal_game "Terminal Co"
keys C-l
wait_for_screen "Please give a new name:"
keys -l "Loaded Co"
keys Enter
wait_for_screen "Kelvaro - Loaded Co"
[ "$(box_after 'Money ')" = "$(saved_value geld)" ] ||
  fail "the terminal shows money $(box_after 'Money '), the window saved $(saved_value geld)"
[ "$(box_after 'Angler:')" = "$(saved_value vissen1)" ] ||
  fail "the terminal shows $(box_after 'Angler:') angler, the window saved $(saved_value vissen1)"
[ "$(box_after 'Date ')" = "$(saved_value datum)" ] ||
  fail "the terminal shows the date '$(box_after 'Date ')', the window saved '$(saved_value datum)'"
echo "a game saved in the window loads in the terminal"

# 3. The terminal sells one angler, waits a day, saves and quits.
keys Tab Tab Tab Tab Enter
wait_for_screen "How many fish do you want to sell?"
keys 1 Enter
answer_terminal_messages
keys C-s
wait_for_new_save "$window_save"
terminal_money="$(box_after 'Money ')"
terminal_angler="$(box_after 'Angler:')"
[ "$(saved_value geld)" = "$terminal_money" ] || fail "the terminal saved other money than it shows"
quit_terminal_game y

# 4. The window loads what the terminal saved.
"$program" >"$work/window-2.log" 2>&1 &
game_pid=$!
main="$(start_game "Second Window")"
keys_to "$main" ctrl+l
xdotool windowfocus --sync "$(window_titled '^Kelvaro$')"
xdotool type --delay 30 "Back Co"
xdotool key Return
main="$(window_titled '^Kelvaro - Back Co$')"
# Tab selects the whole text of the box it reaches: six steps from the money box reach the
# angler's stock, eighteen more come round to the money box.
shown="$(copy_after "$main" Tab Tab Tab Tab Tab Tab ctrl+c)"
[ "$shown" = "$terminal_angler" ] || fail "the window shows $shown angler, the terminal saved $terminal_angler"
shown="$(copy_after "$main" Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+c)"
[ "$shown" = "$terminal_money" ] || fail "the window shows money $shown, the terminal saved $terminal_money"
echo "a game saved in the terminal loads in the window"
