#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian's packages.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libsimpleini-dev
  clang libclang-rt-dev clang-format-14
  fonts-liberation fonts-noto-cjk  # the Japanese and Chinese texts measured with real glyphs
  librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev file lintian
  grhino  # gtp-rhino: the engine vezari-engine's protocol tests play against
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
