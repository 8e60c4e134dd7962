#!/usr/bin/env bash
# A monkey player: the built game on an X server of its own, fed random keys, clicks and drags
# for a while, its resident memory sampled every 10 s. It builds nothing.
#   bench/monkey.sh [GAME-DIR [SECONDS [CSV]]]     (defaults: build/game 600 monkey.csv)
# At the end it reports whether the game is alive (no crash), responsive (its picture still
# moves and Escape still ends it cleanly) and whether its memory stayed flat after its first
# minute. The exit status is 0 only when all three hold.
# Escape or the skin's close button end the game with status 0: that is counted and the game is
# started again. Any other end (a non-zero status, a signal, a sanitizer's report) is a crash.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game_dir=$(cd "${1:-build/game}" && pwd)
duration=${2:-600}
csv=$(realpath -m "${3:-monkey.csv}")

if [ -z "${MONKEY_ON_XVFB:-}" ]; then
  export MONKEY_ON_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$game_dir" "$duration" "$csv"
fi

# A sanitized build reports through these; they change nothing for a plain one.
supp=$root/tests/sanitizers
export ASAN_OPTIONS=${ASAN_OPTIONS:-intercept_tls_get_addr=0:exitcode=66:suppressions=$supp/asan.supp}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$supp/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1:exitcode=66}

work=$(mktemp -d /tmp/scrivel-monkey-XXXXXX)
pid=
sampler=
cleanup() {
  [ -n "$sampler" ] && kill "$sampler" 2>/dev/null || true
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/game"
cp -r "$game_dir/scrivel" "$game_dir/words.let" "$game_dir/Graphics" "$game_dir/Skins" "$work/game/"
logs=${csv%.csv}-logs
mkdir -p "$logs"

run=0
window=
start_game() {
  run=$((run + 1))
  (cd "$work/game" && exec ./scrivel) >"$logs/game$run.log" 2>&1 &
  pid=$!
  echo "$pid" >"$work/pid"
  echo "$run $SECONDS" >"$work/run"
  window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --class scrivel | head -n 1) ||
    { echo "monkey: no window appeared (run $run)" >&2; sed 's/^/  game: /' "$logs/game$run.log" >&2; exit 1; }
  xdotool windowfocus "$window" 2>/dev/null || true
}

# The resident memory of whichever game runs, every 10 s, beside the CPU it used since the last
# sample (in % of one core) and how long that game has been running.
sample_memory() {
  local t0=$SECONDS last_pid= last_ticks=0 hz
  hz=$(getconf CLK_TCK)
  echo "seconds,run,run_seconds,pid,rss_kb,cpu_percent" >"$csv"
  while sleep 10; do
    local p r started rss ticks cpu=
    p=$(cat "$work/pid" 2>/dev/null) || continue
    read -r r started <"$work/run" || continue
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$p/status" 2>/dev/null) || continue
    [ -n "$rss" ] || continue
    ticks=$(awk '{print $14 + $15}' "/proc/$p/stat" 2>/dev/null) || continue
    [ "$p" = "$last_pid" ] && cpu=$(awk -v t=$((ticks - last_ticks)) -v hz="$hz" 'BEGIN {printf "%.0f", 10 * t / hz}')
    last_pid=$p last_ticks=$ticks
    echo "$((SECONDS - t0)),$r,$((SECONDS - started)),$p,$rss,$cpu" >>"$csv"
  done
}

keys=(F1 F2 F3 Left Right Up Down KP_4 KP_6 KP_7 Shift_L Shift_R Control_L Control_R
      Return BackSpace)
others=(Tab space Home End Prior Next Delete Insert F4 F5 F10 F12 KP_Enter KP_5 0 7 minus comma
        eacute agrave ccedilla Alt_L Super_L Menu)
letters=({a..z} {A..Z})
sent_keys=0 sent_clicks=0 sent_drags=0 escapes=0 clean_exits=0 crashes=0

# The window's origin and size, kept on the screen: a drag by the skin may carry it away.
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 1
  if [ "$X" -lt -100 ] || [ "$Y" -lt -100 ] || [ "$X" -gt $((screen_w - 200)) ] || [ "$Y" -gt $((screen_h - 200)) ]; then
    xdotool windowmove "$window" 0 0 2>/dev/null || true
    X=0 Y=0
  fi
}
point() {
  px=$((X + RANDOM % WIDTH)) py=$((Y + RANDOM % HEIGHT))
  [ $px -lt 0 ] && px=0
  [ $py -lt 0 ] && py=0
  [ $px -ge "$screen_w" ] && px=$((screen_w - 1))
  [ $py -ge "$screen_h" ] && py=$((screen_h - 1))
  return 0
}

# The game has ended: Escape or the close button (status 0) start it again, anything else is a crash.
game_ended() {
  local status=0
  wait "$pid" || status=$?
  if [ "$status" = 0 ] && ! grep -qE 'Sanitizer|runtime error' "$logs/game$run.log"; then
    clean_exits=$((clean_exits + 1))
  else
    crashes=$((crashes + 1))
    echo "monkey: run $run ended with status $status after $((SECONDS - run_start)) s" >&2
    sed 's/^/  game: /' "$logs/game$run.log" | tail -40 >&2
  fi
  start_game
  run_start=$SECONDS
}

start_game
run_start=$SECONDS
sample_memory &
sampler=$!
end=$((SECONDS + duration))
while [ $SECONDS -lt $end ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    game_ended
    continue
  fi
  geometry || continue
  # Escape ends the game from most screens: rare, so that most games live long enough to show
  # whether memory stays flat.
  roll=$((RANDOM % 1000))
  if [ $roll -lt 2 ]; then
    xdotool key --window "$window" Escape 2>/dev/null || true
    escapes=$((escapes + 1)) sent_keys=$((sent_keys + 1))
  elif [ $roll -lt 500 ]; then
    xdotool key "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null || true
    sent_keys=$((sent_keys + 1))
  elif [ $roll -lt 650 ]; then
    xdotool key "${letters[RANDOM % ${#letters[@]}]}" 2>/dev/null || true
    sent_keys=$((sent_keys + 1))
  elif [ $roll -lt 700 ]; then
    xdotool key "${others[RANDOM % ${#others[@]}]}" 2>/dev/null || true
    sent_keys=$((sent_keys + 1))
  elif [ $roll -lt 950 ]; then
    point
    xdotool mousemove "$px" "$py" click $((RANDOM % 3 + 1)) 2>/dev/null || true
    sent_clicks=$((sent_clicks + 1))
  else
    point
    xdotool mousemove "$px" "$py" mousedown 1 2>/dev/null || true
    for _ in 1 2 3; do
      point
      xdotool mousemove "$px" "$py" 2>/dev/null || true
    done
    xdotool mouseup 1 2>/dev/null || true
    sent_drags=$((sent_drags + 1))
  fi
  # Clicks may give the focus away (to the root, without a window manager): take it back.
  [ $((RANDOM % 20)) = 0 ] && { xdotool windowfocus "$window" 2>/dev/null || true; }
  sleep 0.02
done
kill "$sampler" 2>/dev/null || true
wait "$sampler" 2>/dev/null || true
sampler=

# Alive: the last game is still running. Responsive: two pictures of its window a second apart
# differ (the scene is animated on every screen), and Escape still ends it with status 0 (from
# the options screen Escape goes back to the menu first, hence up to three).
alive=yes responsive=yes
kill -0 "$pid" 2>/dev/null || alive=no
if [ $alive = yes ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xwd -id "$window" -silent >"$work/a.xwd" 2>/dev/null || true
  sleep 1
  xwd -id "$window" -silent >"$work/b.xwd" 2>/dev/null || true
  cmp -s "$work/a.xwd" "$work/b.xwd" && { responsive=no; echo "monkey: the picture did not change in 1 s" >&2; }
  for _ in 1 2 3; do
    kill -0 "$pid" 2>/dev/null || break
    xdotool key --window "$window" Escape 2>/dev/null || true
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  done
  if kill -0 "$pid" 2>/dev/null; then
    responsive=no
    echo "monkey: Escape did not end the game" >&2
  else
    status=0
    wait "$pid" || status=$?
    if [ "$status" != 0 ] || grep -qE 'Sanitizer|runtime error' "$logs/game$run.log"; then
      alive=no crashes=$((crashes + 1))
      echo "monkey: the last game ended with status $status on Escape" >&2
      sed 's/^/  game: /' "$logs/game$run.log" | tail -40 >&2
    fi
  fi
  pid=
fi
[ $crashes = 0 ] || alive=no

# Flat: in every game that ran past its first minute, the samples after that minute stay within
# 5 MB or 5 % of their smallest, whichever is larger.
flat=$(awk -F, 'NR > 1 && $3 >= 60 && $5 != "" {
    if (!($2 in lo) || $5 < lo[$2]) lo[$2] = $5
    if (!($2 in hi) || $5 > hi[$2]) hi[$2] = $5
    n[$2]++
  }
  END {
    verdict = "yes"; judged = 0
    for (r in n) {
      if (n[r] < 3) continue
      judged++
      tol = lo[r] * 0.05; if (tol < 5120) tol = 5120
      printf "  run %s: %d samples after its first minute, RSS %d..%d kB (spread %d kB, allowed %d)\n",
             r, n[r], lo[r], hi[r], hi[r] - lo[r], tol > "/dev/stderr"
      if (hi[r] - lo[r] > tol) verdict = "no"
    }
    if (!judged) verdict = "unknown (no game ran 90 s)"
    print verdict
  }' "$csv")

echo "monkey: $duration s, $sent_keys keys ($escapes deliberate Escapes), $sent_clicks clicks, $sent_drags drags"
echo "monkey: $run games started, $clean_exits ended cleanly (Escape or close button) and were restarted, $crashes crashed"
echo "monkey: alive=$alive responsive=$responsive memory_flat=$flat"
echo "monkey: samples in $csv, game logs in $logs/"
[ $alive = yes ] && [ $responsive = yes ] && [ "$flat" != no ]
