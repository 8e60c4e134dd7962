# shellcheck shell=bash
# Shared by the end-to-end scripts, sourced after `set -euo pipefail`: a work folder removed on exit,
# the game started and its window found, keys and screenshots, waits with time limits and the
# checks of what the game wrote to stderr. Each script keeps only its own story.
#
#   e2e_begin NAME       NAME heads every failure message; needs an X display
# The script's state lives in: work (the folder), pid (the game while it runs), window, out_dir
# (where screenshots go, set by the script).

pid=
wm=
window=
out_dir=${out_dir:-}

e2e_begin() {
  e2e_name=$1
  [ -n "${DISPLAY:-}" ] || { echo "$e2e_name: no X display (run under xvfb-run)"; exit 1; }
  work=$(mktemp -d /tmp/scrivel-e2e-XXXXXX)
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  # A test may leave read-only folders behind.
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

fail() {
  echo "$e2e_name: $*" >&2
  [ -f "$work/log" ] && sed 's/^/  game: /' "$work/log" >&2
  exit 1
}

# A sanitized build's report fails the test even when the game ends as expected.
check_log() {
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/log" || fail "sanitizer report"
}

# A copy of the game in $work/game, with the folders named after GAME-DIR, and a word base of one
# long word: no 3- to 8-letter word can ever be made, so letters pile up and a game ends quickly.
copy_game() {
  local from=$1
  shift
  mkdir -p "$work/game"
  cp "$from/scrivel" "$work/game/"
  # The catalogues always: the player's locale decides whether they are read.
  cp -r "$from/locale" "$work/game/"
  for folder in "$@"; do cp -r "$from/$folder" "$work/game/"; done
  printf 'anticonstitutionnellement/' >"$work/game/words.let"
}

# Only one window manager may run on a display.
start_openbox() {
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm=$!
  for _ in $(seq 1 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
  wmctrl -m >/dev/null 2>&1 || fail "openbox did not start"
}

# Runs COMMAND... in DIR in the background, its output in $work/log.
launch() {
  local dir=$1
  shift
  (cd "$dir" && exec "$@") >"$work/log" 2>&1 &
  pid=$!
}

#   start_game [--visible] [--no-focus] DIR COMMAND...
# Launches the game and waits for its window (a mapped one with --visible), gives it the keyboard
# unless told not to, and leaves it time to draw its first screen.
start_game() {
  local search=(--sync) focus=1
  while :; do
    case $1 in
      --visible) search+=(--onlyvisible); shift ;;
      --no-focus) focus=; shift ;;
      *) break ;;
    esac
  done
  launch "$@"
  window=$(timeout 20 xdotool search "${search[@]}" --pid "$pid" --class scrivel | head -n 1) ||
    fail "no window appeared"
  [ -z "$focus" ] || xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1.5
}

screenshot() {
  xwd -id "$window" -silent | convert xwd:- "$out_dir/$1.png"
}

#   wait_exit [STATUS [POKE]]
# Waits about ten seconds for the game to end with STATUS (0 by default) and a clean log; the
# function POKE, when given, runs between looks.
wait_exit() {
  local expected=${1:-0} poke=${2:-} status=0
  for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || status=$?
      pid=
      [ "$status" = "$expected" ] || fail "the game ended with status $status, not $expected"
      check_log
      return
    fi
    [ -z "$poke" ] || "$poke"
    sleep 0.1
  done
  fail "the game did not end"
}

#   drop_left SECONDS LEFTS [AFTER]
# For SECONDS, steers every letter LEFTS columns left and drops it fast, so that column fills and
# the game ends; the function AFTER, when given, runs after each drop.
drop_left() {
  local end=$((SECONDS + $1)) keys=()
  for _ in $(seq 1 "$2"); do keys+=(Left); done
  while [ $SECONDS -lt "$end" ]; do
    xdotool key "${keys[@]}" Down
    sleep 0.25
    [ -z "${3:-}" ] || "$3"
  done
}

# Replaces the name offered on the name entry screen ("Anonyme", "Anonymous" and a few letters
# more) by NAME.
enter_name() {
  for _ in $(seq 1 14); do xdotool key BackSpace; done
  xdotool type --delay 50 "$1"
  sleep 0.5
}
