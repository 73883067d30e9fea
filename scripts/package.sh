#!/usr/bin/env bash
# Installs what is missing, builds the program as a packager does (Release, into
# build-release/) and makes its Debian package there; prints the package's path last.
# Only the editor and the preview's helper are built: the package holds nothing else.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"
# dpkg-shlibdeps (dpkg-dev) and file find the package's dependencies in the programs.
"$root/scripts/deps.sh" dpkg-dev file
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tesselo tesselo-preview
rm -f "$build"/tesselo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
packages=("$build"/tesselo_*.deb)
[ -f "${packages[0]}" ] || { echo "cpack made no tesselo_*.deb in $build" >&2; exit 1; }
echo "${packages[0]}"
