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

#   drop_into SECONDS|-PIECES JOKER COLUMN...
# Drops each letter into the next of the columns in turn (0 is the leftmost), first typing JOKER
# (a falling joker takes it), for SECONDS or for PIECES letters.
drop_into() {
  local limit=$1 joker=$2 n=0
  shift 2
  local end=$((SECONDS + ${limit#-}))
  while :; do
    if [ "${limit:0:1}" = - ]; then [ $n -lt "${limit#-}" ] || break; else [ $SECONDS -lt $end ] || break; fi
    local column=${*:$((n % $# + 1)):1} keys=("$joker")
    for _ in $(seq 1 12); do keys+=(Left); done
    for _ in $(seq 1 "$column"); do keys+=(Right); done
    xdotool key "${keys[@]}" Down
    sleep 0.3
    n=$((n + 1))
  done
}

start_game "$work/game" ./scrivel
screenshot english_menu
xdotool key F1
sleep 1
# Ten letters into the first column: "eve" forms at the latest once three of them are no jokers.
drop_into -10 e 0
screenshot english_word
# Then the game is filled to its end: jokers become x, and letters go to three columns apart, where
# no row can read a word and a column only rarely does.
drop_into 45 x 3 5 7
# The x typed after the end went into the name: clear it all.
xdotool key --delay 20 $(printf 'BackSpace %.0s' $(seq 1 60))
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
