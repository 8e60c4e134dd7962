#!/usr/bin/env bash
# End to end on a real X server: the game installed into a read-only prefix, started from another
# folder with HOME in a fresh folder, keeps the player's files in the XDG folders, takes a word
# base made by scrivel-words from there, and writes nothing into the prefix.
#   install_test.sh BUILD-DIR
set -euo pipefail
build=$1

# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"

e2e_begin install_test
prefix=$work/prefix
home=$work/home

cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/games/scrivel" ] && [ -x "$prefix/bin/scrivel-words" ] &&
  [ -f "$prefix/share/games/scrivel/words.let" ] && [ -f "$prefix/share/games/scrivel/words-en.let" ] &&
  [ -f "$prefix/share/locale/en/LC_MESSAGES/scrivel.mo" ] &&
  [ -f "$prefix/share/games/scrivel/Skins/skin.ini" ] ||
  fail "the install lacks the game, scrivel-words, the data or the English catalogue"
chmod -R a-w "$prefix"
snapshot() { (cd "$prefix" && find . -printf '%p %m %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)
mkdir -p "$home" "$work/elsewhere"

# From another folder, with HOME in the test's own folder and no XDG folders set.
start_installed() {
  start_game "$work/elsewhere" env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" \
    "$prefix/games/scrivel"
}

scores=$home/.local/share/scrivel/score.ini
options=$home/.config/scrivel/options.ini

# First run on the installed data: the player's folders and files are made.
start_installed
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

start_installed
xdotool key F1
sleep 1
drop_left 25 4
enter_name Bob
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

# In English, from the locale alone: the tool speaks English and writes the English base, which the
# game then plays with, keeping its scores in a table of its own beside the French one.
french_scores=$(cat "$scores")
printf 'anticonstitutionally\nParis\nanticonstitutionally\n' |
  env -u XDG_DATA_HOME -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 HOME="$home" \
    "$prefix/bin/scrivel-words" - >"$work/words.log" ||
  fail "scrivel-words failed in English: $(cat "$work/words.log")"
grep -q "20 letters: 1" "$work/words.log" && grep -q "left out: 1" "$work/words.log" &&
  grep -q "duplicates: 1" "$work/words.log" || fail "scrivel-words' English summary: $(cat "$work/words.log")"
[ "$(cat "$home/.local/share/scrivel/words-en.let")" = anticonstitutionally/ ] ||
  fail "scrivel-words wrote $(cat -A "$home/.local/share/scrivel/words-en.let")"
start_game "$work/elsewhere" env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u LANGUAGE -u LC_ALL \
  -u LC_MESSAGES LANG=en_US.UTF-8 HOME="$home" "$prefix/games/scrivel"
xdotool key F1
sleep 1
drop_left 25 4
enter_name Eve
xdotool key Return
sleep 0.5
xdotool key Escape
wait_exit
[ -s "$work/log" ] && fail "the English game said something"
grep -qaE '^Eve=[0-9]+'$'\r''?$' "$home/.local/share/scrivel/score-en.ini" ||
  fail "score-en.ini has no Eve= line: $(cat -A "$home/.local/share/scrivel/score-en.ini")"
[ "$(cat "$scores")" = "$french_scores" ] || fail "the English game changed the French table"
[ "$(snapshot)" = "$before" ] || fail "the prefix changed: $(diff <(echo "$before") <(snapshot))"
echo "install_test: passed"
