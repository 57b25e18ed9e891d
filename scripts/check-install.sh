#!/usr/bin/env bash
# Checks the game as it is installed, from a build folder that has been
# built (default build/release):
#  1. `cmake --install` into a scratch prefix puts every file in place,
#     desktop-file-validate and appstreamcli accept the desktop entry and the
#     AppStream metadata, and the README's commands register the file types;
#  2. `cpack -G DEB` makes the Debian package, lintian finds no error and no
#     warning in it (the informational tags are shown), apt installs it, the installed
#     /usr/games/vezari-zaduder answers --version, and apt removes it again.
#     When the package is installed already, step 2 stops after building it
#     rather than replace or remove the copy someone installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
app_id=io.github.vezarizaduder.VezariZaduder
[ -f "$build/CMakeCache.txt" ] || { echo "check-install: $build is not a build folder" >&2; exit 1; }

scratch=$(mktemp -d)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT

echo "== Install into a scratch prefix"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > "$scratch/install.log"
expected=(
  bin/vezari-zaduder bin/vezari-analyze bin/vezari-engine
  share/applications/$app_id.desktop share/mime/packages/$app_id.xml share/metainfo/$app_id.metainfo.xml
  share/icons/hicolor/scalable/apps/$app_id.svg share/man/man6/vezari-zaduder.6.gz share/man/man1/vezari-analyze.1.gz
  share/man/man1/vezari-engine.1.gz
  share/doc/vezari-zaduder/copyright share/doc/vezari-zaduder/changelog.gz share/vezari-zaduder/analyst.weights
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for lang in de es fr ja zh_CN; do
  expected+=("share/man/$lang/man6/vezari-zaduder.6.gz")
done
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || { echo "check-install: $f was not installed" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# What the README tells a user to run after installing under a prefix of
# their own: the game's file types registered, the desktop entry found.
update-mime-database "$prefix/share/mime" 2> "$scratch/mime.log" || { cat "$scratch/mime.log" >&2; exit 1; }
update-desktop-database "$prefix/share/applications"
for type in x-vezari-zaduder-game x-othello-ggf; do
  [ -s "$prefix/share/mime/application/$type.xml" ] ||
    { echo "check-install: update-mime-database did not register application/$type" >&2; exit 1; }
done
grep -q "application/x-vezari-zaduder-game=$app_id.desktop" "$prefix/share/applications/mimeinfo.cache" ||
  { echo "check-install: update-desktop-database did not tie the game files to the game" >&2; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

echo "== Debian package"
(cd "$build" && rm -f vezari-zaduder_*.deb && cpack -G DEB > "$scratch/cpack.log") ||
  { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(ls "$build"/vezari-zaduder_*.deb)
echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" ||
  { echo "check-install: lintian finds errors or warnings in $deb" >&2; exit 1; }
if dpkg-query -W -f='${Status}' vezari-zaduder 2>/dev/null | grep -q "install ok installed"; then
  echo "check-install: vezari-zaduder is installed on this machine already; $deb is built but not tried"
  exit 0
fi
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
# A copy where apt's unprivileged download user may read it.
chmod 755 "$scratch"
cp "$deb" "$scratch/"
remove() { DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove -y -qq vezari-zaduder > /dev/null || true; }
trap 'remove; cleanup' EXIT
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "$scratch/$(basename "$deb")" > "$scratch/apt.log" || { cat "$scratch/apt.log" >&2; exit 1; }
version=$(/usr/games/vezari-zaduder --version)
echo "$version"
[[ "$version" == "vezari-zaduder "[0-9]* ]] || { echo "check-install: unexpected --version output" >&2; exit 1; }
remove
trap cleanup EXIT
if [ -e /usr/games/vezari-zaduder ]; then
  echo "check-install: the package left /usr/games/vezari-zaduder behind" >&2
  exit 1
fi
echo "check-install: all good"
