#!/usr/bin/env bash
# The terminal game gives the terminal back as it found it on every way out that is not the
# game's own: SIGTERM, SIGHUP (a dropped ssh link) and SIGINT sent to it, and Ctrl+C typed.
# Each run compares `stty -g` in the game's terminal before and after, and the exit status
# (128 and the signal's number). Nothing is saved on any of these ways.
#
# Usage: text_restores_terminal.sh PATH_TO_KELVARO
set -euo pipefail

program="$1"
source "$(dirname "$0")/../../scripts/lib/tmux_session.sh"
begin_tmux_session

# Plays up to the name prompt, ends the game the given way; checks the terminal and status.
end_by() {
  local way="$1" expected="$2" pane game
  rm -f "$work/before" "$work/after" "$work/status"
  start_pane env LC_ALL=C.UTF-8 TERM=screen XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
    sh -c "stty -g >'$work/before'; '$program' --text; echo \$? >'$work/status';
           stty -g >'$work/after'; sleep 60"
  wait_for_screen "Congratulations, you've just won a Kelvaro!"
  keys Enter Enter Enter
  wait_for_screen "How do you want to call your company?"
  pane="$(tmux_ display-message -p '#{pane_pid}')"
  game="$(pgrep -P "$pane" -x kelvaro)" || fail "no game process under the pane's shell"
  case "$way" in
    ctrl-c) keys C-c ;;
    *) kill -s "$way" "$game" ;;
  esac
  wait_for_file "$work/after"
  [ "$(cat "$work/status")" = "$expected" ] ||
    fail "$way ended the game with status $(cat "$work/status"), not $expected"
  cmp -s "$work/before" "$work/after" ||
    fail "$way left the terminal changed: $(cat "$work/before") -> $(cat "$work/after")"
  end_tmux
  echo "$way: status $expected, terminal as before"
}

end_by TERM 143
end_by HUP 129
end_by INT 130
end_by ctrl-c 130
[ ! -e "$XDG_CONFIG_HOME/quira/quira.conf" ] || fail "a way out saved the game"
