#!/usr/bin/env bash
# Plays the built game on a private X server as a player would, with the keyboard and the
# mouse: answers the greetings, names the company, waits a day, saves with Ctrl+S, and quits
# through File > Quit. Checks the window title, the saved game and that the program ends.
# Then starts it once more as a German player: the date box and the saved date follow the
# system's language, and the window system sees the fish icon in every size.
#
# Usage: play_save_quit.sh PATH_TO_KELVARO
set -euo pipefail

program="$1"
company="Reef Traders"


source "$(dirname "$0")/../../scripts/lib/xsession.sh"

begin_private_session
export LC_ALL=C.UTF-8

# Waits up to five seconds for Ctrl+S to write the file.
wait_for_save() {
  local tries
  for tries in $(seq 1 50); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "Ctrl+S wrote no $1"
}

"$program" >"$work/kelvaro.log" 2>&1 &
game_pid=$!
main="$(start_game "$company")"
[ "$(xdotool getwindowname "$main")" = "Kelvaro - ${company}" ] || fail "wrong window title"

# The focus starts in the money box; five steps of Tab reach the Wait button.
keys_to "$main" Tab Tab Tab Tab Tab space
answer_plain_messages

keys_to "$main" ctrl+s
saved="$XDG_CONFIG_HOME/quira/quira.conf"
wait_for_save "$saved"
grep -qx '\[kelvaro\]' "$saved" || fail "no [kelvaro] section in $saved"
for key in geld vissen1 vissen2 vissen3 vissen4 vissen5 datum; do
  grep -q "^${key}=." "$saved" || fail "no value for $key in $saved"
done
for kind in 1 2 3 4 5; do
  grep -qx "vissen${kind}=0" "$saved" || fail "a waited day changed the stock of kind $kind"
done
# A day with no workers costs nothing; only the tax inspector can take a tenth.
grep -Eqx 'geld=(1000|900)' "$saved" || fail "unexpected money: $(grep ^geld= "$saved")"

# File > Quit: the menu opens on a click on "File"; four steps down reach Quit.
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 18 10 click 1
sleep 0.5
xdotool key --delay 100 Down Down Down Down Return
keys_to "$(window_titled '^Quit$')" Return

for tries in $(seq 1 100); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game_pid" 2>/dev/null; then
  fail "the program still runs after Quit was answered Yes"
fi
wait "$game_pid" || fail "the program ended with status $?"
game_pid=""
echo "played a day, saved and quit"

# Once more as a German player, with a settings folder of its own.
export XDG_CONFIG_HOME="$work/config-de"
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$program" >"$work/kelvaro-de.log" 2>&1 &
game_pid=$!
main="$(start_game "$company")"

icons="$(xprop -id "$main" _NET_WM_ICON)"
# The window system gets every size up to 128; Qt keeps the 256 one back from the X server.
for size in 16 32 48 64 128; do
  grep -q "Icon (${size} x ${size})" <<<"$icons" || fail "no ${size}x${size} window icon: ${icons:0:80}"
done

# Two steps of Tab from the money box reach the date box, which then selects its text.
shown="$(copy_after "$main" Tab Tab ctrl+c)"
[ "$shown" != 'nothing copied' ] || fail "the date box copied nothing"
keys_to "$main" ctrl+s
saved="$XDG_CONFIG_HOME/quira/quira.conf"
wait_for_save "$saved"
datum="$(sed -n 's/^datum=//p' "$saved")"
[[ "$datum" =~ ^([0-9]{2})\.([0-9]{2})\.([0-9]{4})( [0-9]{2}:[0-9]{2}:[0-9]{2})?$ ]] ||
  fail "the date is not saved in the German short form: $datum"
months=(Januar Februar März April Mai Juni Juli August September Oktober November Dezember)
expected="${BASH_REMATCH[1]} ${months[10#${BASH_REMATCH[2]} - 1]} ${BASH_REMATCH[3]}"
[ "$shown" = "$expected" ] || fail "the date box shows '$shown', not '$expected'"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
echo "German month name, German saved date and the window icon"
