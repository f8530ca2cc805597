#!/usr/bin/env bash
# Opens and answers Help > Info (F1, then Enter) many times in the real window on a private
# X server with no accessibility bus, and prints the program's resident memory after the
# first 100 boxes and at the end. With a limit in KiB, fails when it grew by more.
#
# Usage: message_box_soak.sh PATH_TO_KELVARO [BOXES [LIMIT_KIB]]
set -euo pipefail

program="$1"
boxes="${2:-5000}"
limit="${3:-}"


source "$(dirname "$0")/../../scripts/lib/xsession.sh"

begin_private_session
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY DBUS_SESSION_BUS_ADDRESS
export NO_AT_BRIDGE=1 LC_ALL=C.UTF-8

"$program" >"$work/kelvaro.log" 2>&1 &
game_pid=$!

main="$(start_game Soak)"

rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status"; }

# One xdotool run per hundred boxes. The box takes the keyboard when it opens; with no window
# manager nobody gives it back to the window, so each round focuses the window first. A box
# still open after a run is answered before the next.
shown=0
show_boxes() {
  local count="$1" keys=() i open
  for i in $(seq 1 "$count"); do
    keys+=(windowfocus --sync "$main" key F1 sleep 0.03 key Return sleep 0.03)
  done
  xdotool "${keys[@]}"
  sleep 0.2
  open="$(visible_window_titled '^Info$')"
  [ -z "$open" ] || keys_to "$open" Return
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the soak"
  shown=$((shown + count))
}

show_boxes 100
sleep 1
start="$(rss_kib)"
while [ "$shown" -lt $((boxes + 100)) ]; do
  left=$((boxes + 100 - shown))
  show_boxes $((left < 100 ? left : 100))
done
sleep 1
end="$(rss_kib)"
growth=$((end - start))
echo "message boxes: RSS ${start} KiB after the first 100, ${end} KiB after ${boxes} more: +${growth} KiB"
if [ -n "$limit" ] && [ "$growth" -gt "$limit" ]; then
  fail "the resident memory grew by ${growth} KiB, more than ${limit} KiB"
fi
