#!/usr/bin/env bash
# End to end with the skinned main form on a real X server, bare or under openbox started here:
# the shaped frameless window, its buttons clicked with xdotool, the F3 skin cycle, a drag, the
# minimise button, and the close button or the window manager's close ending the game with its
# files written. Screenshots of every skin on the menu and in play land in OUTPUT-DIR.
#   skin_test.sh GAME-DIR OUTPUT-DIR [bare|openbox]
set -euo pipefail
game_dir=$1
out_dir=$2
variant=${3:-bare}

# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"

e2e_begin "skin_test ($variant)"
mkdir -p "$out_dir"
copy_game "$game_dir" Graphics Skins
options='[GridSize]\r\nSize=4\r\n[Display]\r\nBackground=1\r\n'
printf "$options" > "$work/game/options.ini"

[ "$variant" = openbox ] && start_openbox

# The value of key in [Skin<n>] of skin.ini.
ini() { awk -v s="[Skin$1]" -v k="$2" -F= '
  { sub(/\r$/, "") } /^\[/ { on = ($0 == s) } on && $1 == k { print $2; exit }' \
  "$work/game/Skins/skin.ini"; }

skin=4
start_skinned() { start_game --visible --no-focus "$work/game" ./scrivel; }
origin() { xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'; }
size() { xdotool getwindowgeometry --shell "$window" | awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h}'; }
# Clicks the point (dx, dy) of a button whose key prefix in skin.ini is $1.
click_button() {
  local x y
  read -r x y < <(origin)
  case $1 in
    CloseB|ReduceB) xdotool mousemove $((x + $(ini $skin ${1}Left) + 11)) $((y + $(ini $skin ${1}Top) + 11)) ;;
    *) xdotool mousemove $((x + $(ini $skin ${1}Left) + 15)) $((y + $(ini $skin ${1}Top) + 15)) ;;
  esac
  xdotool click 1
  sleep 0.3
}
shape_extents() { xwininfo -shape -id "$window" | grep -A1 -i 'window shape extents' | head -1; }
check_files() {
  [ -s "$work/game/options.ini" ] && grep -qa '^Size=4' "$work/game/options.ini" ||
    fail "options.ini was not written"
  [ -f "$work/game/score.ini" ] || fail "score.ini was not written"
}
# The horizontal middle of what moves in the panel over 150 ms among the letter cubes' dark blue
# pixels: the falling letter (birds, the sun and the volcano move too, in other colours).
cubes() { convert "$out_dir/$1.png" -fx '(r < 0.3 && g < 0.3 && b > r + 0.12) ? 1 : 0' "$out_dir/$1.png"; }
moving_x() {
  screenshot move_a; sleep 0.15; screenshot move_b
  cubes move_a; cubes move_b
  convert "$out_dir/move_a.png" "$out_dir/move_b.png" -compose difference -composite \
    -threshold 50% -format '%@' info: | awk -F'[x+]' '{print $3 + $1 / 2}'
}

start_skinned
# No frame: the window itself stands at its centred place, and it is shaped.
read -r x y < <(origin)
read -r sw sh < <(xdotool getdisplaygeometry)
[ "$x $y" = "$(((sw - 600) / 2)) $(((sh - 700) / 2))" ] || fail "the form is at $x $y"
[ "$(size)" = 600x700 ] || fail "skin 4 is $(size)"
[ -n "$(shape_extents)" ] || fail "the window is not shaped"
if [ "$variant" = openbox ]; then
  frame=$(xprop -id "$window" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
  [ "$frame" = "0,0,0,0" ] || fail "openbox framed the form ($frame)"
fi

# Every skin on the menu, cycled by the F3 button; each shows at the screen's corner.
screenshot skin4_menu
for next in 1 2 3 4; do
  before=$(shape_extents)
  click_button F3
  skin=$next
  sleep 0.5
  read -r x y < <(origin)
  [ "$x $y" = "0 0" ] || fail "skin $skin stands at $x $y"
  [ "$next" = 4 ] || screenshot "skin${skin}_menu"
  [ "$(shape_extents)" != "$before" ] || fail "F3 left the shape as it was"
done

# A drag by the skin moves the form, and it stays where it was dropped.
read -r x y < <(origin)
xdotool mousemove $((x + 20)) $((y + 300)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((x + 20 + step * 30)) $((y + 300 + step * 20)); sleep 0.05; done
xdotool mouseup 1
sleep 1
read -r nx ny < <(origin)
[ "$nx $ny" = "$((x + 150)) $((y + 100))" ] || fail "dragged from $x $y to $nx $ny, not by 150 100"

# F1 starts a game; the arrow buttons steer the letter.
click_button F1
sleep 2.5
[ "$(moving_x)" != "" ] || fail "nothing moves after F1"
# Left to the edge, then right: the letter must end further right. A letter may land in between
# and the next one starts elsewhere, so a few tries are allowed.
moved=
for _ in 1 2 3; do
  click_button LeftB; click_button LeftB; click_button LeftB
  left=$(moving_x)
  click_button RightB; click_button RightB; click_button RightB
  right=$(moving_x)
  if awk -v a="$left" -v b="$right" 'BEGIN { exit !(b > a + 20) }'; then moved=1; break; fi
done
[ -n "$moved" ] || fail "the arrows did not move the letter ($left -> $right)"
screenshot skin4_play
for next in 1 2 3 4; do
  click_button F3
  skin=$next
  sleep 1
  [ "$next" = 4 ] || screenshot "skin${skin}_play"
done
rm -f "$out_dir/move_a.png" "$out_dir/move_b.png"

if [ "$variant" = openbox ]; then
  click_button ReduceB
  sleep 0.5
  xprop -id "$window" WM_STATE | grep -q Iconic || fail "the minimise button did not iconify"
  wmctrl -i -a "$window"
  sleep 0.5
fi

click_button CloseB
wait_exit
check_files

if [ "$variant" = openbox ]; then
  # Closed by the window manager: the same files.
  rm -f "$work/game/score.ini" "$work/game/options.ini"
  printf "$options" > "$work/game/options.ini"
  start_skinned
  wmctrl -i -c "$window"
  wait_exit
  check_files
fi
echo "skin_test ($variant): passed"
