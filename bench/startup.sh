#!/usr/bin/env bash
# Start-up of the game against a bare Qt Widgets program of the same size, on a private X
# server: the time from the start of the process to its first dialog on the screen, and the
# peak memory by then. Prints the medians of several alternating runs and their ratios.
#
# Usage: startup.sh BUILD_FOLDER [runs]
set -euo pipefail
build="$1"
runs="${2:-15}"
here="$(cd "$(dirname "$0")" && pwd)"

work="$(mktemp -d)"
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
source "$here/../scripts/lib/xsession.sh"

start_x_server
export XDG_CONFIG_HOME="$work/config" HOME="$work/home" LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

probe="$build/bench/kelvaro_startup_probe"
measure() { "$probe" 'Congratulations!' "$1" 2>/dev/null; }

# One run of each first, so that both start from a warm file cache.
measure "$build/app/kelvaro" >/dev/null
measure "$build/bench/kelvaro_bare_window" >/dev/null
for run in $(seq 1 "$runs"); do
  measure "$build/app/kelvaro" >>"$work/game"
  measure "$build/bench/kelvaro_bare_window" >>"$work/bare"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
game_ms="$(cut -d' ' -f1 "$work/game" | median)"
bare_ms="$(cut -d' ' -f1 "$work/bare" | median)"
game_kb="$(cut -d' ' -f2 "$work/game" | median)"
bare_kb="$(cut -d' ' -f2 "$work/bare" | median)"
printf '%-34s %12s %12s %8s\n' "start-up, median of $runs runs" "game" "bare Qt" "ratio"
printf '%-34s %12.1f %12.1f %8.3f\n' "to the first dialog (ms)" "$game_ms" "$bare_ms" \
  "$(awk -v a="$game_ms" -v b="$bare_ms" 'BEGIN { print a / b }')"
printf '%-34s %12d %12d %8.3f\n' "peak memory by then (KiB)" "$game_kb" "$bare_kb" \
  "$(awk -v a="$game_kb" -v b="$bare_kb" 'BEGIN { print a / b }')"
