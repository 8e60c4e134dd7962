#!/usr/bin/env bash
# Measures the built game on an X server (run under xvfb-run -a): start-up to the first drawn
# frame with the full dictionary, and the CPU it uses on the menu over 10 seconds.
#   bench/measure_game.sh [BUILD-DIR]
set -euo pipefail
build=${1:-build}
game="$build/game"
[ -n "${DISPLAY:-}" ] || { echo "measure_game: no X display (run under xvfb-run -a)" >&2; exit 1; }
work=$(mktemp -d /tmp/scrivel-measure-XXXXXX)
pid=
# The game saves its files when it ends: wait for it before removing the folder.
trap '[ -n "$pid" ] && { kill "$pid"; wait "$pid"; } 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$game/scrivel" "$game/words.let" "$game/Graphics" "$game/Skins" "$work/"

"$build/bench/first_frame" "$work"

(cd "$work" && exec ./scrivel) >/dev/null 2>&1 &
pid=$!
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU on the menu over 10 s: $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN {printf "%.1f", 100 * t / hz / 10}') % of one core"
