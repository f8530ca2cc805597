#!/usr/bin/env bash
# Plays the built game in a terminal (tmux, 100x30) as a player would: answers the greetings,
# names the company, buys and sells angler, waits a day, saves with Ctrl+S, loads with Ctrl+L
# under a new name typed with the editing keys, shows Info with F1, and quits through File >
# Quit. Checks the screen after each step, that the saved game holds what the screen showed,
# and that the program ends with status 0. The game runs under the terminal type given, so
# that the keys are read alike under each.
#
# Usage: text_play_save_load_quit.sh PATH_TO_KELVARO [TERM]
set -euo pipefail

program="$1"
term="${2:-screen}"
source "$(dirname "$0")/../../scripts/lib/tmux_session.sh"
begin_tmux_session
saved="$XDG_CONFIG_HOME/quira/quira.conf"

start_pane env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 TERM="$term" \
  XDG_CONFIG_HOME="$XDG_CONFIG_HOME" sh -c "'$program' --text; echo \$? >'$work/status'"
start_terminal_game "Reef Traders"
[ "$(box_after 'Money ')" = 1000 ] || fail "the money box shows '$(box_after 'Money ')'"
[ "$(box_after 'Angler:')" = 0 ] || fail "the angler stock shows '$(box_after 'Angler:')'"
screen_shows 'Money >[1000' || fail "the focus is not in the money box"

# Three steps of Tab reach the angler row's Buy; the amount is typed at the prompt.
keys Tab Tab Tab Enter
wait_for_screen "How many fish do you want to buy?"
keys 5 Enter
answer_terminal_messages
bought="$(box_after 'Angler:')"
[ "$bought" -gt 0 ] || fail "no angler were bought: '$bought'"
screen_shows '>[ Buy ]' || fail "the focus left the Buy button"

# One more step is the Sell beside it.
keys Tab Enter
wait_for_screen "How many fish do you want to sell?"
keys 1 Enter
answer_terminal_messages

# Wait comes after Sell in the Tab order.
date_before="$(box_after 'Date ')"
keys Tab Enter
answer_terminal_messages
[ "$(box_after 'Date ')" != "$date_before" ] || fail "Wait passed no day"

keys C-s
wait_for_file "$saved"
grep -qx '\[kelvaro\]' "$saved" || fail "no [kelvaro] section in $saved"
money="$(box_after 'Money ')"
grep -qx "geld=$money" "$saved" || fail "saved $(grep ^geld= "$saved"), the screen shows $money"
rows=(Angler: Eels: Salmon: Trout: Carp:)
for kind in 1 2 3 4 5; do
  stock="$(box_after "${rows[kind - 1]}")"
  grep -qx "vissen${kind}=${stock}" "$saved" || fail "saved $(grep "^vissen${kind}=" "$saved"), shown $stock"
done
grep -q '^datum=.' "$saved" || fail "no date saved"

# Load asks for a new name, typed here with Backspace as DEL and as ^H, Home, Delete and End;
# the loaded date shows whole in the saved form.
keys C-l
wait_for_screen "Please give a new name:"
keys -l "Xecond Cqq"
keys BSpace C-h Home Delete
keys -l S
keys End
keys -l o
keys Enter
wait_for_screen "Kelvaro - Second Co"
screen_shows "  Second Co" || fail "the name label does not show the new name"
datum="$(sed -n 's/^datum=//p' "$saved")"
[ "$(box_after 'Date ')" = "$datum" ] || fail "the date box shows '$(box_after 'Date ')', saved '$datum'"

keys F1
wait_for_screen "Kelvaro v2.8"
keys Enter

# File > Quit, answered Yes with Enter.
quit_terminal_game Enter
echo "played a start, a Buy, a Sell, a Wait, a Save, a Load, Info and Quit under TERM=$term"

# Once more as a German player, on a system whose C library has no German tables: the month
# names come from Qt's, and the euro sign and the umlauts still reach the screen.
end_tmux
rm -f "$work/status"
start_pane env -u LC_ALL -u LC_CTYPE LANG=de_DE.UTF-8 TERM="$term" \
  XDG_CONFIG_HOME="$work/config-de" sh -c "'$program' --text; echo \$? >'$work/status'"
start_terminal_game "Zeeën"
months='(Januar|Februar|März|April|Mai|Juni|Juli|August|September|Oktober|November|Dezember)'
[[ "$(box_after 'Date ')" =~ ^[0-9]{2}\ ${months}\ [0-9]{4}$ ]] ||
  fail "the date box shows '$(box_after 'Date ')', not a German date"
keys C-c
wait_for_file "$work/status"
[ "$(cat "$work/status")" = 130 ] || fail "Ctrl+C ended the game with status $(cat "$work/status")"
echo "German month names, the euro sign and the umlauts in the terminal"
