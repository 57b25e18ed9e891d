#!/usr/bin/env bash
# Time per move at TimeLevel, as played and with --strict-time, side by side,
# over positions from real games (10 to 50 empty squares).
#
#   bench/time-per-move.sh ANALYZE [SECONDS:POSITIONS ...]
#
# ANALYZE is the vezari-analyze to run; each SECONDS:POSITIONS pair searches
# that many positions at that many seconds per move (default 1:12 2:12 5:6).
# Each position is searched both ways one after the other, so both see the
# same load. Per limit and way it prints the wall-clock time per move
# (median, 90th percentile, maximum, in seconds), how many moves went over
# the limit by more than 5% or 50 ms (whichever is larger), and the median
# depth of the last iteration completed. Wall-clock figures need a quiet
# machine.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
  echo "usage: $0 ANALYZE [SECONDS:POSITIONS ...]" >&2
  exit 2
fi
analyze=$1
shift
runs=("$@")
[ ${#runs[@]} -gt 0 ] || runs=(1:12 2:12 5:6)
games="$(dirname "$0")/../tests/data/games-sample.txt"

# Position k: a game from a spread over the file, cut where 10..50 squares
# are empty (passes are not written, so each move fills one square).
position() {
  local k=$1 lines game empties
  lines=$(wc -l <"$games")
  game=$(sed -n "$((k * 367 % lines + 1))p" "$games" | cut -d' ' -f1)
  empties=$((10 + k * 17 % 41))
  [ $((${#game} / 2)) -gt $((60 - empties)) ] || empties=$((60 - ${#game} / 2 + 1))
  echo "${game:0:$(((60 - empties) * 2))}"
}

field() { sed -n "s/.*\"$1\":\\([0-9]*\\).*/\\1/p"; }

# Summarizes a file of "ms depth" lines for one limit and way.
summarize() {
  local depth
  depth=$(cut -d' ' -f2 "$1" | sort -n | awk '{ d[NR] = $1 } END { print d[int((NR + 1) / 2)] }')
  cut -d' ' -f1 "$1" | sort -n | awk -v limit="$2" -v way="$3" -v depth="$depth" '
    { ms[NR] = $1 }
    END {
      margin = limit * 50 > 50 ? limit * 50 : 50
      over = 0
      for (i = 1; i <= NR; ++i) if (ms[i] > limit * 1000 + margin) ++over
      p90 = int(0.9 * NR + 0.999)
      printf "%5d  %-9s  %5d  %7.2f  %7.2f  %7.2f  %4d  %5d\n", limit, way, NR,
             ms[int((NR + 1) / 2)] / 1000, ms[p90] / 1000, ms[NR] / 1000, over, depth
    }'
}

printf "limit  way        moves   median      p90      max  over  depth\n"
for run in "${runs[@]}"; do
  seconds=${run%%:*}
  count=${run##*:}
  plain=$(mktemp)
  strict=$(mktemp)
  for ((k = 1; k <= count; ++k)); do
    moves=$(position "$k")
    for way in plain strict; do
      flag=()
      [ "$way" = strict ] && flag=(--strict-time)
      out=$("$analyze" --time "$seconds" "${flag[@]}" "$moves")
      target=$plain
      [ "$way" = strict ] && target=$strict
      echo "$(field ms <<<"$out") $(field completed_ply <<<"$out")" >>"$target"
    done
  done
  summarize "$plain" "$seconds" plain
  summarize "$strict" "$seconds" strict
  rm -f "$plain" "$strict"
done
