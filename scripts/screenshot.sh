#!/usr/bin/env bash
# Takes a screenshot of the main window with a real sheet open, in a real X display
# (Xvfb), into docs/screenshot.png. Usage: scripts/screenshot.sh [SHEET [STYLE]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sheet=${1:-$root/docs/example/site.css}
style=${2:-.article}
"$root/scripts/deps.sh"
missing=()
command -v import >/dev/null || missing+=(imagemagick)
command -v xwininfo >/dev/null || missing+=(x11-utils)
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
"$root/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the sheet, so that the backup copy and the settings stay out of the tree.
cp "$sheet" "$work/$(basename "$sheet")"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Velmor" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[General]\nPathToLastFile=%s\nLastNameStyle=%s\n\n[Init]\nViewer=0\n' \
    "$work/$(basename "$sheet")" "$style" >"$XDG_CONFIG_HOME/Velmor/Tesselo.conf"
xvfb-run -a -s "-screen 0 1024x640x24" bash -c '
    "$1" & app=$!
    for i in $(seq 50); do
        id=$(xwininfo -root -tree | awk "/\"Tesselo 1.0 beta/ {print \$1; exit}")
        [ -n "$id" ] && break
        sleep 0.2
    done
    sleep 1.5
    import -window "$id" "$2"
    kill $app' _ "$root/build/bin/tesselo" "$root/docs/screenshot.png"
echo "docs/screenshot.png written"
