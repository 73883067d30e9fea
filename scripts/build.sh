#!/usr/bin/env bash
# Configures and builds everything into build/ (programs land in build/bin), in Release
# as a packager builds it (-O3, warnings as errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)"
