#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release -DVZ_LTO=ON
cmake --build --preset release --target vezari-zaduder
exec build/release/shell/vezari-zaduder
