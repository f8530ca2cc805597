#!/usr/bin/env bash
# The terminal game gives the terminal back as it found it on every way out that is not the
# game's own: SIGTERM, SIGHUP (a dropped ssh link) and SIGINT sent to it, and Ctrl+C typed.
# Each run compares `stty -g` in the game's terminal before and after, and the exit status
# (128 and the signal's number). Nothing is saved on any of these ways. Ctrl+Z gives the shell
# the terminal as it was, and `fg` brings the game back drawn whole. A terminal that cannot
# place the cursor (TERM=dumb) is refused in one line.
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

# Ctrl+Z in an interactive shell with job control, the game in a subshell so that the shell
# waits for the whole job.
suspend_and_resume() {
  rm -f "$work/before" "$work/stopped" "$work/status"
  start_pane env LC_ALL=C.UTF-8 TERM=screen XDG_CONFIG_HOME="$XDG_CONFIG_HOME" PS1='$ ' \
    bash --norc --noprofile -i
  wait_for_screen '$'
  keys -l "stty -g >'$work/before'; ( '$program' --text; echo \$? >'$work/status' )"
  keys Enter
  wait_for_screen "Congratulations, you've just won a Kelvaro!"
  keys C-z
  wait_for_screen "Stopped"
  ! screen_shows "Congratulations" || fail "the game's screen stayed while it was stopped"
  keys -l "stty -g >'$work/stopped'"
  keys Enter
  wait_for_file "$work/stopped"
  cmp -s "$work/before" "$work/stopped" ||
    fail "Ctrl+Z left the terminal changed: $(cat "$work/before") -> $(cat "$work/stopped")"
  keys -l fg
  keys Enter
  wait_for_screen "Congratulations, you've just won a Kelvaro!"
  keys Enter
  wait_for_screen "One little problem. You don't have any fish!"
  keys C-c
  wait_for_file "$work/status"
  [ "$(cat "$work/status")" = 130 ] || fail "Ctrl+C after fg ended with status $(cat "$work/status")"
  end_tmux
  echo "Ctrl+Z: terminal as before while stopped, the game whole again after fg"
}

refuses_dumb() {
  rm -f "$work/status" "$work/err"
  start_pane env LC_ALL=C.UTF-8 TERM=dumb \
    sh -c "'$program' --text 2>'$work/err'; echo \$? >'$work/status'; sleep 60"
  wait_for_file "$work/status"
  [ "$(cat "$work/status")" = 1 ] || fail "TERM=dumb ended with status $(cat "$work/status")"
  [ "$(cat "$work/err")" = "kelvaro: cannot play in the terminal: the terminal type 'dumb' cannot place the cursor." ] ||
    fail "unclear complaint for TERM=dumb: $(cat "$work/err")"
  end_tmux
  echo "TERM=dumb: refused in one line with status 1"
}

suspend_and_resume
refuses_dumb
end_by TERM 143
end_by HUP 129
end_by INT 130
end_by ctrl-c 130
[ ! -e "$XDG_CONFIG_HOME/quira/quira.conf" ] || fail "a way out saved the game"
