#!/bin/bash
# The analyst's matches, in resumable steps: each opening of
# bench/analyst-openings.txt twice (colours swapped) against each opponent,
# one game a file in WORKDIR; a game already there is not played again, so a
# stopped run loses at most the game under way. Prints the totals of what
# has finished.
#
#   bash bench/analyst-matches.sh VEZARI-ENGINE WORKDIR [SECONDS [OPPONENT]]
#
# OPPONENT plays only that series, so that several can run side by side:
#   rhino1 .. rhino5    GRhino (gtp-rhino, Debian's grhino) at that level
#   levels              the classic player, both sides at 2 seconds a move
#   strong, good, club, beginner   the analyst at that strength
# Without one, rhino4, rhino5 and levels are played in turn. Both sides get
# SECONDS (default 1) per move, except against the classic player.
#
# ANALYST (default "analyst") is our side's player, e.g. analyst:good.
# CPU=1 lets the analyst count its processor time rather than the wall
# clock (fair on a shared machine; GRhino searches to a fixed depth anyway).
# OPENINGS limits the series to the first so many openings.
# TIMEOUT (seconds, default 60) is the longest wait for GRhino beyond the
# time: its levels 4 and 5 take seconds of processor time a move, much more
# on a busy machine.
#
# The strengths' calibration, 0.3 s a move:
#   for pair in strong:good good:club club:beginner; do
#     ANALYST=analyst:${pair%:*} CPU=1 bash bench/analyst-matches.sh \
#       build/dev/tools/vezari-engine /work/matches/calib 0.3 ${pair#*:}; done
set -u
engine=$1 work=$2 seconds=${3:-1} only=${4:-}
me=${ANALYST:-analyst}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
mapfile -t openings < <(grep -v '^#' "$here/analyst-openings.txt" | head -n "${OPENINGS:-1000}")
cpu=()
[ "${CPU:-0}" = 1 ] && cpu=(--processor-time)
# The series' files carry our player's name when it is not the default.
tag=${me#analyst}
tag=${tag#:}
play() {  # name, player choice, seconds
  local name=$1 choice=$2 time=$3 i side
  for i in "${!openings[@]}"; do
    printf '%s\n' "${openings[$i]}" > "$work/opening-$i.txt"
    # Game a: our player has Black; game b: White.
    for side in a b; do
      local out="$work/${tag:+$tag-}$name-$i$side.txt" players=("$me" "$choice")
      [ -s "$out" ] && continue
      [ "$side" = b ] && players=("$choice" "$me")
      nice -n 10 "$engine" --match "${players[@]}" --games 1 --time "$time" "${cpu[@]}" \
        --openings "$work/opening-$i.txt" --timeout "${TIMEOUT:-60}" > "$out.part" 2>&1 &&
        mv "$out.part" "$out"
    done
  done
}
total() {  # name: our player's wins, draws, losses, score and mean margin over the finished games
  cat "$work/${tag:+$tag-}$1"-[0-9]*.txt 2>/dev/null | awk -v name="${tag:-strong}-$1" -v me="$me" '
    /^game / {
      n++
      meBlack = index($0, me " (black)") > 0
      if (index($0, "forfeit by " me ": ")) { l++; m -= 64; next }
      if ($0 ~ /forfeit by/) { w++; m += 64; next }
      by = 0
      if (match($0, /wins by [0-9]+/)) by = substr($0, RSTART + 8, RLENGTH - 8)
      if ($0 ~ /: draw/) d++
      else if (($0 ~ /black wins/) == meBlack) { w++; m += by }
      else { l++; m -= by }
    }
    END { if (n) printf "%-18s %3d games: %2d wins, %d draws, %2d losses, score %5.1f%%, mean margin %+.1f\n", name, n, w, d, l, 100 * (w + d / 2) / n, m / n }'
}
choiceOf() {  # series name -> player choice
  case $1 in
    rhino[1-5]) echo "gtp:/usr/games/gtp-rhino --level ${1#rhino}" ;;
    levels) echo levels ;;
    strong | good | club | beginner) echo "analyst:$1" ;;
    *) echo "unknown opponent $1" >&2; exit 2 ;;
  esac
}
series=(rhino4 rhino5 levels)
[ -n "$only" ] && series=("$only")
for name in "${series[@]}"; do
  time=$seconds
  [ "$name" = levels ] && time=2
  play "$name" "$(choiceOf "$name")" "$time"
done
for name in "${series[@]}"; do total "$name"; done
