#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor, on FILE when one is given.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
exec "$root/build/bin/tesselo" "$@"
