#!/usr/bin/env bash
# Writes the golden files from the current vezari-analyze. Run it only after
# a deliberate change of behaviour, and read the diff before committing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tool="${1:-$here/../../build/release/tools/vezari-analyze}"
grep -v '^#' "$here/cases.txt" | while IFS='|' read -r name args; do
  name="$(echo "$name" | xargs)"
  [ -n "$name" ] || continue
  set +e
  out="$("$tool" $args 2>/dev/null)"
  status=$?
  set -e
  { echo "exit $status"; [ -n "$out" ] && printf '%s\n' "$out"; } > "$here/golden/$name.txt"
done
