#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the Release
# build (engine, tools, windows offscreen), the engine and tools again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets
# briefly over their corpora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

echo "== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Engine and tools under ASan and UBSan"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_SANITIZE=ON -DVZ_GUI=OFF -DVZ_BENCH=OFF
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs" -LE slow

if [ -f tests/fuzz/CMakeLists.txt ]; then
  echo "== Fuzz targets over their corpora"
  CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVZ_FUZZ=ON -DVZ_GUI=OFF -DVZ_BENCH=OFF
  cmake --build build/fuzz -j "$jobs" --target fuzz_all
  ctest --test-dir build/fuzz --output-on-failure -L fuzz
fi
