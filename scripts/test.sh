#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the Release
# build (engine, tools, windows offscreen), the engine and tools again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets
# briefly over their corpora; the installed files are validated, the Debian
# package built, checked by lintian, installed, started and removed. The
# configurations are CMakePresets.json's. The long runs (label slow: long
# self-play, FFO #45-#49) are left out; `--slow` builds the Release
# configuration and runs those alone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

if [ "${1:-}" = "--slow" ]; then
  echo "== Release build and the long tests"
  cmake --preset release -DVZ_LTO=ON
  cmake --build --preset release -j "$jobs"
  ctest --preset slow -j "$jobs"
  exit 0
elif [ $# -gt 0 ]; then
  echo "usage: bash scripts/test.sh [--slow]" >&2
  exit 2
fi

echo "== Format"
bash scripts/format.sh --check

echo "== Release build and tests"
# Without link-time optimisation: it would redo each test program's code at
# its link. The game (scripts/play.sh) and the slow runs are built with it.
cmake --preset release -DVZ_LTO=OFF
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

echo "== Installed files and the Debian package"
bash scripts/check-install.sh build/release

echo "== Engine and tools under ASan and UBSan"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

echo "== Fuzz targets over their corpora"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
