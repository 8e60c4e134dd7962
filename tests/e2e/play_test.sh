#!/usr/bin/env bash
# End to end on a real X server: the built game in a fresh folder, driven by key presses from
# xdotool. Checks the files it leaves and saves screenshots for people to look at.
#   play_test.sh GAME-DIR OUTPUT-DIR SEND-CLOSE-TOOL [full|close|term|fatal]
set -euo pipefail
game_dir=$1
out_dir=$2
send_close=$3
variant=${4:-full}

[ -n "${DISPLAY:-}" ] || { echo "play_test: no X display (run under xvfb-run)"; exit 1; }
mkdir -p "$out_dir"
work=$(mktemp -d /tmp/scrivel-e2e-XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "play_test ($variant): $*" >&2; [ -f "$work/log" ] && sed 's/^/  game: /' "$work/log" >&2; exit 1; }
# A sanitized build's report fails the test even when the game ends as expected.
check_log() {
  ! grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/log" || fail "sanitizer report"
}

# A copy of the game with a word base of one long word: no 3- to 8-letter word can ever be made,
# so letters pile up and the game ends quickly.
mkdir -p "$work/game"
cp "$game_dir/scrivel" "$work/game/"
cp -r "$game_dir/Graphics" "$work/game/"
printf 'anticonstitutionnellement/' > "$work/game/words.let"
if [ "$variant" != full ]; then
  printf '[GridSize]\r\nSize=4\r\n' > "$work/game/options.ini"
fi
# Made read-only by the player: the save at SIGTERM is refused, and the report must not wait on a
# dialog that nobody is there to close.
[ "$variant" = term ] && chmod 444 "$work/game/options.ini"

if [ "$variant" = fatal ]; then
  # A pattern sheet of the wrong size stops the start: a message box, exit status 1, and the game
  # data built before it is destroyed on the way out, so the options file is written in full.
  cp "$game_dir/Graphics/texbank1_64.bmp" "$work/game/Graphics/patterns1.bmp"
  (cd "$work/game" && exec ./scrivel) >"$work/log" 2>&1 &
  pid=$!
  # The main window may show for a moment before it is destroyed; press Enter on whatever window
  # of the game is left until the message box has gone and the game has ended.
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    for box in $(xdotool search --onlyvisible --pid "$pid" --name '^Scrivel$' 2>/dev/null); do
      xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    done
    sleep 0.2
  done
  kill -0 "$pid" 2>/dev/null && fail "the game did not end"
  status=0
  wait "$pid" || status=$?
  pid=
  [ "$status" = 1 ] || fail "the game ended with status $status, not 1"
  check_log
  grep -q "Bitmap incorrect pour une fonte :" "$work/log" || fail "no message on stderr"
  grep -qa '^FontName=Arial' "$work/game/options.ini" || fail "options.ini was not written on the way out"
  echo "play_test ($variant): passed"
  exit 0
fi

window=
start_game() {
  (cd "$work/game" && exec ./scrivel) >"$work/log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --pid "$pid" --class scrivel | head -n 1) ||
    fail "no window appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1.5
}

screenshot() {
  xwd -id "$window" -silent | convert xwd:- "$out_dir/$1.png"
}

wait_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || fail "the game ended with status $?"; pid=; check_log; return; }
    sleep 0.1
  done
  fail "the game did not end"
}

# Steers every letter into the first column and drops it fast, until that column is full.
play_until_over() {
  local seconds=$1
  xdotool key F1
  sleep 1
  [ "$variant" = full ] && screenshot game_start
  local end=$((SECONDS + seconds))
  local shot=0
  while [ $SECONDS -lt $end ]; do
    xdotool key Left Left Left Left Left Left Left Left Left Left Left Left Down
    sleep 0.25
    if [ "$variant" = full ] && [ $shot = 0 ] && [ $SECONDS -ge $((end - seconds + 8)) ]; then
      screenshot game
      shot=1
    fi
  done
}

enter_name() {
  for _ in 1 2 3 4 5 6 7; do xdotool key BackSpace; done
  xdotool type --delay 50 Bob
  sleep 0.5
}

check_files() {
  local scores="$work/game/score.ini" options="$work/game/options.ini"
  [ -f "$scores" ] || fail "score.ini was not written"
  grep -qaE '^Bob=[0-9]+'$'\r''?$' "$scores" || fail "score.ini has no Bob= line: $(cat -A "$scores")"
  [ "$(grep -c . "$scores")" = 1 ] || fail "score.ini should hold one line: $(cat -A "$scores")"
  if [ "$variant" = term ]; then
    [ "$(cat "$options")" = "$(printf '[GridSize]\r\nSize=4\r\n')" ] ||
      fail "the read-only options.ini was replaced: $(cat -A "$options")"
    grep -q "lecture seule" "$work/log" || fail "the refused save was not reported"
    return
  fi
  local size=8
  [ "$variant" = full ] || size=4
  for line in "Size=$size" SpeedMode=1 MinWordSize=3 RandomLetter=0 Background=1 NumTexture=0 \
              FontName=Arial FontColorNum=9; do
    grep -qa "^$line" "$options" || fail "options.ini lacks $line: $(cat -A "$options")"
  done
}

start_game
[ "$variant" = full ] && screenshot menu_first
if [ "$variant" = full ]; then
  play_until_over 50
else
  play_until_over 25
fi
enter_name
[ "$variant" = full ] && screenshot name_entry

case $variant in
  full)
    xdotool key Return
    sleep 0.5
    xdotool key Escape
    ;;
  close)
    "$send_close" "$window"
    ;;
  term)
    kill -TERM "$pid"
    ;;
esac
wait_exit
check_files

if [ "$variant" = full ]; then
  # A second run shows that table on the menu, and leaves it as it was.
  before=$(cat "$work/game/score.ini")
  start_game
  screenshot menu
  # The options screen once its list has scrolled into place, then back to the menu.
  xdotool key F2
  sleep 4
  screenshot options
  xdotool key F1
  sleep 1
  xdotool key Escape
  wait_exit
  [ "$(cat "$work/game/score.ini")" = "$before" ] || fail "the second run changed score.ini"
  # Where the table stands, the menu now differs from the first run's empty one.
  changed=$(compare -metric AE "$out_dir/menu.png[300x200+80+100]" \
            "$out_dir/menu_first.png[300x200+80+100]" null: 2>&1 || true)
  [ "${changed%%.*}" -gt 500 ] 2>/dev/null || fail "the second run's menu shows no score table ($changed)"
fi
echo "play_test ($variant): passed"
