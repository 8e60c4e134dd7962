#!/usr/bin/env bash
# End to end on a real X server: the built game in a fresh folder, driven by key presses from
# xdotool. Checks the files it leaves and saves screenshots for people to look at.
#   play_test.sh GAME-DIR OUTPUT-DIR SEND-CLOSE-TOOL [full|close|term|fatal]
set -euo pipefail
game_dir=$1
out_dir=$2
send_close=$3
variant=${4:-full}
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"

e2e_begin "play_test ($variant)"
mkdir -p "$out_dir"
copy_game "$game_dir" Graphics
if [ "$variant" != full ]; then
  printf '[GridSize]\r\nSize=4\r\n' > "$work/game/options.ini"
fi
# Made read-only by the player: the save at SIGTERM is refused, and the report must not wait on a
# dialog that nobody is there to close.
[ "$variant" = term ] && chmod 444 "$work/game/options.ini"

# Presses Enter on whatever window of the game is left.
press_enter_everywhere() {
  for box in $(xdotool search --onlyvisible --pid "$pid" --name '^Scrivel$' 2>/dev/null); do
    xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
  done
  sleep 0.1
}

if [ "$variant" = fatal ]; then
  # A pattern sheet of the wrong size stops the start: a message box, exit status 1, and the game
  # data built before it is destroyed on the way out, so the options file is written in full.
  cp "$game_dir/Graphics/texbank1_64.bmp" "$work/game/Graphics/patterns1.bmp"
  launch "$work/game" ./scrivel
  # The main window may show for a moment before it is destroyed; Enter closes the message box.
  wait_exit 1 press_enter_everywhere
  grep -q "Bitmap incorrect pour une fonte :" "$work/log" || fail "no message on stderr"
  grep -qa '^FontName=Arial' "$work/game/options.ini" || fail "options.ini was not written on the way out"
  echo "play_test ($variant): passed"
  exit 0
fi

# One screenshot of the game in play, eight seconds after the first drop.
shot_in_play() {
  if [ -z "$shot" ] && [ $SECONDS -ge $((started + 8)) ]; then
    screenshot game
    shot=1
  fi
}

# Starts a game with F1 and fills the first column for the given seconds.
play_until_over() {
  xdotool key F1
  sleep 1
  if [ "$variant" = full ]; then
    screenshot game_start
    shot=
    started=$SECONDS
    drop_left "$1" 12 shot_in_play
  else
    drop_left "$1" 12
  fi
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

start_game "$work/game" ./scrivel
[ "$variant" = full ] && screenshot menu_first
if [ "$variant" = full ]; then
  play_until_over 50
else
  play_until_over 25
fi
enter_name Bob
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
  start_game "$work/game" ./scrivel
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
