#!/usr/bin/env bash
# Takes the README's pictures from the real window in a real X display (Xvfb), so they
# never go stale: the main window with the example sheet, each property page, the unit
# chooser open, the selector builder, the preview showing the example page and the
# floating panels, into docs/. Usage: scripts/screenshots.sh [BUILD_DIR]
# The program is built in BUILD_DIR (default build/) first when it is not there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
missing=()
command -v import >/dev/null || missing+=(imagemagick)
command -v xwininfo >/dev/null || missing+=(x11-utils)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -x "$build/bin/tesselo" ] || "$root/scripts/build.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
mkdir -p "$XDG_CONFIG_HOME/Velmor" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# shoot PICTURE STYLE VIEWER STEPS: starts the program on a fresh copy of the example
# site with STYLE selected and the views on page VIEWER (3 is the preview, of the
# example page), runs STEPS (shell text that may use $id, the window, and $width, its
# width, and may set $shot to another window), and takes the picture of $shot.
shoot() {
    local picture=$1 style=$2 viewer=$3 steps=$4
    # Killed, the program leaves its backup copy, which would ask the recovery question.
    cp "$root/docs/example/site.css" "$root/docs/example/index.html" "$work/"
    rm -f "$work/site.css.ORIGINAL"
    printf '[General]\nPathToLastFile=%s\nLastNameStyle=%s\n\n[Init]\nViewer=%s\nHomePage=%s\n' \
        "$work/site.css" "$style" "$viewer" "file://$work/index.html" \
        >"$XDG_CONFIG_HOME/Velmor/Tesselo.conf"
    xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        "$1" & app=$!
        for i in $(seq 50); do
            id=$(xwininfo -root -tree | awk "/\"Tesselo 1.0 beta/ {print \$1; exit}")
            [ -n "$id" ] && break
            sleep 0.2
        done
        sleep 2
        xdotool windowfocus --sync "$id" 2>/dev/null || true
        width=$(xwininfo -id "$id" | awk "/Width:/ {print \$2}")
        shot=$id
        eval "$3"
        import -window "$shot" "$2"
        kill $app' _ "$build/bin/tesselo" "$root/docs/$picture.png" "$steps" </dev/null
    echo "docs/$picture.png written"
}

shoot screenshot .article 0 'xdotool mousemove --window "$id" 5 5; sleep 0.3'

# The property pages stand at the window's right edge, their tabs in two rows at the top:
# each tab is found by its distance from the right edge and its row's height, in pixels.
while read -r page style fromRight top; do
    shoot "page-$page" "$style" 0 "xdotool mousemove --window \"\$id\" \$((width - $fromRight)) $top click 1
        xdotool mousemove --window \"\$id\" 5 5; sleep 0.5"
done <<'PAGES'
BBColor #header 324 144
MarginPadding .article 243 144
DisplayVis .badge 182 144
PositionFloat .photo 82 144
Layout #menu 326 167
Effects .badge 245 167
AllProperties .badge 155 167
Variables :root 55 167
PAGES

# The unit chooser opens beside the unit button of the text indent, below the tool bar.
shoot units .article 0 'xdotool mousemove --window "$id" 237 90 click 1; sleep 0.4'

shoot builder .article 0 'xdotool key --window "$id" Insert; sleep 1
    shot=$(xwininfo -root -tree | awk "/\"CreateSelector\"/ {print \$1; exit}")
    xdotool windowfocus --sync "$shot" 2>/dev/null || true
    xdotool key --window "$shot" Down; sleep 0.5'

shoot preview .article 3 'sleep 3'

# Floating: F11, and the pointer at the left edge brings the style list in.
shoot floating .article 0 'xdotool key --window "$id" F11; sleep 0.5
    xdotool mousemove --window "$id" 300 300; sleep 0.2
    xdotool mousemove --window "$id" 2 300; sleep 0.5'
