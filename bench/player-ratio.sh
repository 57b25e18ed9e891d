#!/usr/bin/env bash
# The specified player's speed, side by side: each vezari-analyze given runs
# `--bench --level LEVEL` in turn, ROUNDS rounds, so that all of them see the
# same load. Prints each one's median processor time (user + system, seconds)
# and its ratio to the first one's; the node counts must agree.
#
#   bench/player-ratio.sh [-r ROUNDS] [-l LEVEL] ANALYZE...
set -euo pipefail

rounds=7
level=9
while getopts "r:l:" opt; do
  case $opt in
    r) rounds=$OPTARG ;;
    l) level=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -lt 1 ]; then
  echo "usage: $0 [-r ROUNDS] [-l LEVEL] ANALYZE..." >&2
  exit 2
fi
for tool in "$@"; do
  [ -x "$tool" ] || { echo "$0: $tool is not a program" >&2; exit 2; }
done

out=$(mktemp)
trap 'rm -f "$out"' EXIT
declare -A times nodes
for ((r = 0; r < rounds; r++)); do
  for i in $(seq 0 $(($# - 1))); do
    tool=${*:$((i + 1)):1}
    /usr/bin/time -f "%U %S" -o "$out.time" "$tool" --bench --level "$level" >"$out"
    count=$(grep -o '"bench_nodes":[0-9]*' "$out" | cut -d: -f2)
    if [ -n "${nodes[$i]:-}" ] && [ "${nodes[$i]}" != "$count" ]; then
      echo "$0: $tool searched $count nodes, before ${nodes[$i]}" >&2
      exit 1
    fi
    nodes[$i]=$count
    times[$i]="${times[$i]:-} $(awk '{ printf "%.3f", $1 + $2 }' "$out.time")"
  done
done
rm -f "$out.time"

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
first=$(echo "${times[0]}" | median)
for i in $(seq 0 $(($# - 1))); do
  m=$(echo "${times[$i]}" | median)
  printf '%s: %s nodes, median %.3f s (of%s), %.2fx the first\n' "${*:$((i + 1)):1}" "${nodes[$i]}" "$m" \
    "${times[$i]}" "$(awk -v a="$first" -v b="$m" 'BEGIN { print a / b }')"
done
