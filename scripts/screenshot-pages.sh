#!/usr/bin/env bash
# Takes a screenshot of each of the four property pages in the real window (Xvfb), with
# a style of the example sheet selected that sets something on that page, into
# docs/page-<name>.png. Usage: scripts/screenshot-pages.sh [BUILD_DIR]
# The program is built in BUILD_DIR (default build/) first when it is not there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
missing=()
command -v import >/dev/null || missing+=(imagemagick)
command -v xwininfo >/dev/null || missing+=(x11-utils)
command -v xdotool >/dev/null || missing+=(xdotool)
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -x "$build/bin/tesselo" ] || "$root/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Velmor" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# page, style, the page's tab counted from the right edge of the window in pixels (the
# property pages stand at the window's right edge, their tabs at the top).
while read -r page style fromRight; do
    # Killed, the program leaves its backup copy, which would ask the recovery question.
    cp "$root/docs/example/site.css" "$work/site.css" && rm -f "$work/site.css.ORIGINAL"
    printf '[General]\nPathToLastFile=%s\nLastNameStyle=%s\n\n[Init]\nViewer=0\n' \
        "$work/site.css" "$style" >"$XDG_CONFIG_HOME/Velmor/Tesselo.conf"
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        "$1" & app=$!
        for i in $(seq 50); do
            id=$(xwininfo -root -tree | awk "/\"Tesselo 1.0 beta/ {print \$1; exit}")
            [ -n "$id" ] && break
            sleep 0.2
        done
        sleep 1.5
        width=$(xwininfo -id "$id" | awk "/Width:/ {print \$2}")
        xdotool mousemove --window "$id" $((width - $3)) 145 click 1
        xdotool mousemove --window "$id" 5 5
        sleep 0.5
        import -window "$id" "$2"
        kill $app' _ "$build/bin/tesselo" "$root/docs/page-$page.png" "$fromRight" </dev/null
    echo "docs/page-$page.png written"
done <<'PAGES'
BBColor #header 344
MarginPadding .article 257
DisplayVis .badge 190
PositionFloat .photo 84
PAGES
