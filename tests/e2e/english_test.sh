#!/usr/bin/env bash
# A whole game in English on a real X server: the player's locale alone (LANG=en_US.UTF-8) turns
# the texts and the word base to English, and the scores go to the English table, score-en.ini.
#   english_test.sh GAME-DIR OUTPUT-DIR
set -euo pipefail
game_dir=$1
out_dir=$2
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"

e2e_begin english_test
mkdir -p "$out_dir"
copy_game "$game_dir" Graphics
rm "$work/game/words.let"
# Beside the game, a words.let marks the folder as a game to keep files beside; the French base
# holds no word the letters can make, the English one "eve" only: every letter handed out is
# e, v, e in turn, and a joker is typed into an e. A column of three letters in a row reads "eve".
printf 'anticonstitutionnellement/' >"$work/game/words.let"
printf 'eve/' >"$work/game/words-en.let"
printf '[GridSize]\r\nSize=8\r\n' >"$work/game/options.ini"
export LANG=en_US.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

#   drop_typing SECONDS JOKER [UNTIL]
# For SECONDS, or until the file UNTIL holds a score, types JOKER (taken by a joker while it
# falls), steers every letter into the leftmost column and drops it.
drop_typing() {
  local end=$((SECONDS + $1))
  while [ $SECONDS -lt $end ]; do
    [ -z "${3:-}" ] || ! grep -qa = "$3" 2>/dev/null || break
    xdotool key "$2" Left Left Left Left Left Left Left Left Left Left Left Left Down
    sleep 0.25
  done
}

start_game "$work/game" ./scrivel
screenshot english_menu
xdotool key F1
sleep 1
# Letters stacked in one column read from the top in the reverse of their order: the first "v" and
# the "e" after it, with the "e" below, make "eve".
drop_typing 20 e
screenshot english_word
# Then jokers become x, which no word holds: they break the column's runs until it is full. The
# score is written as soon as it enters the table: the letters typed stop there, or nearly.
drop_typing 90 x "$work/game/score-en.ini"
sleep 1
enter_name Alice
screenshot english_name_entry
xdotool key Return
sleep 0.5
xdotool key Escape
wait_exit

scores=$work/game/score-en.ini
[ -f "$scores" ] || fail "score-en.ini was not written"
[ ! -e "$work/game/score.ini" ] || fail "an English game wrote the French table: $(cat -A "$work/game/score.ini")"
line=$(grep -a . "$scores")
[[ $line =~ ^Alice=([0-9]+)$'\r'?$ ]] || fail "score-en.ini holds $(cat -A "$scores")"
# Only "eve" can score, 10 x 3 x 3 each time.
score=${BASH_REMATCH[1]}
[ "$score" -gt 0 ] && [ $((score % 90)) -eq 0 ] || fail "the English word did not score: $score"
grep -qa '^FontName=Arial' "$work/game/options.ini" || fail "options.ini was not written"
echo "english_test: passed (Alice=$score)"
