#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
if [ $# -lt 1 ]; then
    echo "usage: scripts/run.sh FILE.css" >&2
    exit 2
fi
exec "$root/build/bin/tesselo-dump" "$1"
