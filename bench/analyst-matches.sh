#!/bin/bash
# The analyst's matches, in resumable steps: each opening of
# bench/analyst-openings.txt twice (colours swapped) against each opponent,
# one step a file in WORKDIR; a step already there is not played again.
# Prints the totals of what has finished.
#
#   bash bench/analyst-matches.sh VEZARI-ENGINE WORKDIR [SECONDS [OPPONENT]]
#
# OPPONENT (rhino4, rhino5 or levels) plays only that series, so that the
# three can run side by side. TIMEOUT (seconds, default 60) is the longest
# wait for GRhino beyond the time: its levels 4 and 5 search to a fixed
# depth and take seconds of processor time a move, much more on a busy machine.
#
# Opponents: GRhino (gtp-rhino, Debian's grhino) at levels 4 and 5, and the
# classic player; both sides get SECONDS (default 1) per move, except
# against the classic player, where both get 2 seconds.
set -u
engine=$1 work=$2 seconds=${3:-1} only=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
mapfile -t openings < <(grep -v '^#' "$here/analyst-openings.txt")
play() {  # name, player choice, seconds
  local name=$1 choice=$2 time=$3 i
  [ -n "$only" ] && [ "$only" != "$name" ] && return
  for i in "${!openings[@]}"; do
    local out="$work/$name-$i.txt"
    [ -s "$out" ] && continue
    printf '%s\n' "${openings[$i]}" > "$work/opening-$i.txt"
    "$engine" --match analyst "$choice" --games 2 --time "$time" --openings "$work/opening-$i.txt" \
      --timeout "${TIMEOUT:-60}" > "$out.part" 2>&1 && mv "$out.part" "$out"
  done
}
total() {  # name: the analyst's wins, draws, losses and score over the finished steps
  cat "$work/$1"-[0-9]*.txt 2>/dev/null | awk -v name="$1" '
    /^game / {
      n++
      analystBlack = index($0, "analyst (black)") > 0
      if ($0 ~ /forfeit by analyst/) l++
      else if ($0 ~ /forfeit by/) w++
      else if ($0 ~ /: draw/) d++
      else if (($0 ~ /black wins/) == analystBlack) w++
      else l++
    }
    END { if (n) printf "%-10s %3d games: %d wins, %d draws, %d losses, score %.1f%%\n", name, n, w, d, l, 100 * (w + d / 2) / n }'
}
play rhino4 "gtp:/usr/games/gtp-rhino --level 4" "$seconds"
play rhino5 "gtp:/usr/games/gtp-rhino --level 5" "$seconds"
play levels levels 2
for name in rhino4 rhino5 levels; do total "$name"; done
