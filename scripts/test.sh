#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
# Every C++ file of ours is as clang-format (the root's .clang-format) writes it.
cd "$root"
mapfile -d '' sources < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) \
                              -print0 | sort -z)
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "Not formatted: run clang-format -i on the files named above." >&2
    exit 1
fi
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
