# Shared by the end-to-end tests that play the game in a terminal: a tmux server of the test's
# own (its socket in "work"), one pane of 100x30, keys sent to it and its screen read back.
# Source it; it defines functions only. Without begin_tmux_session, define "work" (a scratch
# folder) first.

if ! declare -F fail >/dev/null; then
  fail() {
    echo "FAIL: $*" >&2
    exit 1
  }
fi

# A scratch folder "work" with settings and home folders of the test's own, and the tmux
# server, all ended and removed on exit.
begin_tmux_session() {
  work="$(mktemp -d)"
  trap 'end_tmux; rm -rf "$work"' EXIT
  export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
  mkdir -p "$XDG_CONFIG_HOME" "$HOME"
}

# Each server gets a socket of its own: a server that is still going away after kill-server,
# or after its last pane ended, would take the next session's client down with it.
tmux_server=0
tmux_() { tmux -S "$work/tmux.$tmux_server.socket" -f /dev/null "$@"; }

# Starts the command in a detached pane of 100 columns and 30 lines, on a new server.
start_pane() {
  tmux_server=$((tmux_server + 1))
  tmux_ new-session -d -x 100 -y 30 "$@"
}

end_tmux() { tmux_ kill-server 2>/dev/null || true; }

# The pane's text, read whole before anything looks at it: a reader that stops early would
# leave tmux with a broken pipe, which pipefail takes for a failure.
screen_text() {
  local text
  text="$(tmux_ capture-pane -p)" || return 1
  printf '%s\n' "$text"
}

# Whether the pane shows the text now.
screen_shows() {
  local text
  text="$(screen_text)" || return 1
  grep -qF -- "$1" <<<"$text"
}

keys() { tmux_ send-keys "$@"; }

# Waits up to ten seconds for the text on the screen.
wait_for_screen() {
  local tries
  for tries in $(seq 1 100); do
    screen_shows "$1" && return 0
    sleep 0.1
  done
  screen_text >&2
  fail "the screen never showed '$1'"
}

# Waits up to ten seconds for the file to exist and be non-empty.
wait_for_file() {
  local tries
  for tries in $(seq 1 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "no $1 appeared"
}

# Quits through File > Quit (F10 opens File; one step up from New game is Quit), answers the
# question with the given key, and checks that the game ended with status 0. The game must
# write its status to "$work/status".
quit_terminal_game() {
  keys F10 Up Enter
  wait_for_screen "Are you sure you want to quit?"
  keys "$1"
  wait_for_file "$work/status"
  [ "$(cat "$work/status")" = 0 ] || fail "the terminal game ended with status $(cat "$work/status")"
}

# Presses Enter on every plain message (caption "Kelvaro") the day brings, until none has been
# on the screen for half a second. The frame reads as "lq" where the terminal draws it with
# the VT100's line-drawing set (TERM=vt100).
answer_terminal_messages() {
  local quiet=0
  while [ "$quiet" -lt 5 ]; do
    if grep -qE '(┌─|lq) Kelvaro (─|q)' <<<"$(screen_text)"; then
      keys Enter
      quiet=0
    else
      quiet=$((quiet + 1))
    fi
    sleep 0.1
  done
}

# What a box on the row with the label shows: the first, second, ... bracketed box after it.
box_after() {
  local line
  line="$(screen_text | grep -F -m 1 -- "$1" || true)"
  sed 's/.*'"$1"'//' <<<"$line" |
    grep -o '\[[^]]*\]' | sed -n "${2:-1}p" | tr -d '[]' | sed 's/ *$//'
}

# Answers the three greetings and names the company; waits for the game's screen.
start_terminal_game() {
  wait_for_screen "Congratulations, you've just won a Kelvaro!"
  keys Enter
  wait_for_screen "One little problem. You don't have any fish!"
  keys Enter
  wait_for_screen "But some nice people € 1000."
  keys Enter
  wait_for_screen "How do you want to call your company?"
  keys -l "$1"
  keys Enter
  wait_for_screen "Kelvaro - $1"
}
