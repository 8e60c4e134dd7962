#!/usr/bin/env bash
# End to end on a real X server: the game installed into a read-only prefix, started from another
# folder with HOME in a fresh folder, keeps the player's files in the XDG folders, takes a word
# base made by scrivel-words from there, and writes nothing into the prefix.
#   install_test.sh BUILD-DIR
set -euo pipefail
build=$1

[ -n "${DISPLAY:-}" ] || { echo "install_test: no X display (run under xvfb-run)"; exit 1; }
work=$(mktemp -d /tmp/scrivel-install-XXXXXX)
prefix=$work/prefix
home=$work/home
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "install_test: $*" >&2; [ -f "$work/log" ] && sed 's/^/  game: /' "$work/log" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/games/scrivel" ] && [ -x "$prefix/bin/scrivel-words" ] &&
  [ -f "$prefix/share/games/scrivel/words.let" ] && [ -f "$prefix/share/games/scrivel/Skins/skin.ini" ] ||
  fail "the install lacks the game, scrivel-words or the data"
chmod -R a-w "$prefix"
snapshot() { (cd "$prefix" && find . -printf '%p %m %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)
mkdir -p "$home" "$work/elsewhere"

window=
start_game() {
  (cd "$work/elsewhere" &&
   exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$prefix/games/scrivel") >"$work/log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --pid "$pid" --class scrivel | head -n 1) ||
    fail "no window appeared"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1.5
}

wait_exit() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" || fail "the game ended with status $?"; pid=; return; }
    sleep 0.1
  done
  fail "the game did not end"
}

scores=$home/.local/share/scrivel/score.ini
options=$home/.config/scrivel/options.ini

# First run on the installed data: the player's folders and files are made.
start_game
xdotool key Escape
wait_exit
[ -f "$scores" ] || fail "no $scores"
grep -qa '^FontName=Arial' "$options" || fail "options.ini was not written in ~/.config/scrivel"
[ -s "$work/log" ] && fail "the installed game said something at start-up"

# The player's own lexicon, of words the game can never make on the grid: letters pile up and the
# game ends quickly. The installed base is moved away meanwhile, so a game that still looked for it
# would leave a trace (a new file in the prefix or a message).
printf 'anticonstitutionnellement\r\nParis\r\nporte-clé\r\nanticonstitutionnellement\r\n' |
  env -u XDG_DATA_HOME HOME="$home" "$prefix/bin/scrivel-words" - >"$work/words.log" ||
  fail "scrivel-words failed: $(cat "$work/words.log")"
grep -q "25 lettres : 1" "$work/words.log" && grep -q "écartés : 2" "$work/words.log" &&
  grep -q "doublons : 1" "$work/words.log" || fail "scrivel-words summary: $(cat "$work/words.log")"
[ "$(cat "$home/.local/share/scrivel/words.let")" = anticonstitutionnellement/ ] ||
  fail "scrivel-words wrote $(cat -A "$home/.local/share/scrivel/words.let")"
printf '[GridSize]\r\nSize=4\r\n' >"$options"
installed=$prefix/share/games/scrivel
chmod u+w "$installed"
mv "$installed/words.let" "$work/words.let.installed"

start_game
xdotool key F1
sleep 1
end=$((SECONDS + 25))
while [ $SECONDS -lt $end ]; do
  xdotool key Left Left Left Left Down
  sleep 0.25
done
for _ in 1 2 3 4 5 6 7; do xdotool key BackSpace; done
xdotool type --delay 50 Bob
sleep 0.5
xdotool key Return
sleep 0.5
xdotool key Escape
wait_exit

[ -e "$installed/words.let" ] && fail "the game made a words.let in the prefix"
mv "$work/words.let.installed" "$installed/words.let"
chmod a-w "$installed"
[ -s "$work/log" ] && fail "the game with the player's words said something"
grep -qaE '^Bob=[0-9]+'$'\r''?$' "$scores" || fail "score.ini has no Bob= line: $(cat -A "$scores")"
grep -qa '^Size=4' "$options" || fail "the player's options.ini was not read: $(cat -A "$options")"
[ "$(snapshot)" = "$before" ] || fail "the prefix changed: $(diff <(echo "$before") <(snapshot))"
echo "install_test: passed"
