#!/usr/bin/env bash
# Measures, over several runs, the time from process start to the main window first
# shown, with a 1000-rule sheet given on the command line, under Xvfb.
# Usage: scripts/startup-time.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/sheet.css" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    for i in range(1000):
        f.write(f".rule-{i} > a:hover {{\n  color: #336699;\n  margin-top: {i % 20}px;\n"
                f"  font-family: Arial, sans-serif;\n  cursor: pointer;\n}}\n")
PY
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
times=()
for ((i = 0; i < runs; i++)); do
    rm -f "$work/sheet.css.ORIGINAL"
    line=$(xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        start=$(date +%s%N)
        TESSELO_REPORT_FIRST_SHOW=exit "$0" "$1" 2>&1 >/dev/null | grep first-shown |
            sed "s/^first-shown /$start /"' "$root/build/bin/tesselo" "$work/sheet.css")
    read -r start shown <<<"$line"
    times+=($(( (shown - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start to first show, ms: ${times[*]}"
echo "median: $(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") ms"
