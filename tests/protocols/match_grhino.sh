#!/bin/sh
# A short match against GRhino's GTP engine: both games played to the end
# without a forfeit, and each saved game loads as a finished game.
# usage: match_grhino.sh VEZARI-ENGINE VEZARI-ANALYZE WORKDIR [PLAYER]
set -eu
engine=$1 analyze=$2 work=$3 player=${4:-levels:2}
rhino=/usr/games/gtp-rhino
[ -x "$rhino" ] || { echo "gtp-rhino is missing: scripts/install-deps.sh installs grhino"; exit 1; }
rm -rf "$work" && mkdir -p "$work"
"$engine" --match "$player" "gtp:$rhino -l 1" --games 2 --ggf "$work/games.ggf" --timeout 20 > "$work/out.txt"
cat "$work/out.txt"
if grep -q 'forfeit by' "$work/out.txt"; then echo "a game was forfeited"; exit 1; fi
[ "$(grep -c '^game ' "$work/out.txt")" = 2 ] || { echo "not two games"; exit 1; }
[ "$(wc -l < "$work/games.ggf")" = 2 ] || { echo "not two saved games"; exit 1; }
n=0
while IFS= read -r game; do
  n=$((n + 1))
  printf '%s\n' "$game" > "$work/game$n.ggf"
  # A finished game has no move to search: exit status 3.
  status=0
  "$analyze" --load "$work/game$n.ggf" > "$work/load$n.txt" || status=$?
  [ "$status" = 3 ] || { echo "saved game $n: vezari-analyze exited $status"; cat "$work/load$n.txt"; exit 1; }
done < "$work/games.ggf"
echo "ok"
