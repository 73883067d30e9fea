#!/usr/bin/env bash
# Measures the time from process start to the main window first shown, with a 1000-rule
# sheet on the command line, under Xvfb: the editor against the bare Qt floor program, as
# bench/startup.py does (it builds first).
# Usage: scripts/startup-time.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec python3 "$root/bench/startup.py" --build --mode floor --runs "${1:-10}"
