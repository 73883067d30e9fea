#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and tries it as installed: shows its
# fields and dependencies, unpacks it into a scratch root, checks it holds the program's
# files and nothing else, and starts the unpacked editor offscreen on the example sheet
# with the preview shown. The editor must stay up, start the preview's helper from
# beside itself, and go, helper and all, when killed.
# Usage: scripts/package-check.sh [SECONDS_UP]   (4 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-4}

deb=$("$root/scripts/package.sh" | tail -n 1)
echo "== $deb ($(du -h "$deb" | cut -f1))"
dpkg --info "$deb"

work=$(mktemp -d)
app=
helper=
cleanup() {
    for pid in $app $helper; do
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
# alive PID: the process runs (an ended child nobody has reaped yet does not).
alive() {
    [ -r "/proc/$1/stat" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" != Z ]
}
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

dpkg-deb -x "$deb" "$work/root"
expected=(
    usr/bin/tesselo
    usr/bin/tesselo-preview
    usr/share/applications/tesselo.desktop
    usr/share/icons/hicolor/scalable/apps/tesselo.svg
)
for size in 16 32 48 64 128; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tesselo.png")
done
for file in "${expected[@]}"; do
    [ -f "$work/root/$file" ] || fail "the package lacks /$file"
done
found=$(cd "$work/root" && find . -type f | sed 's|^\./||' | sort)
extra=$(comm -23 <(echo "$found") <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || fail "the package holds files that are not the program's: $extra"
grep -qx 'MimeType=text/css;' "$work/root/usr/share/applications/tesselo.desktop" ||
    fail "the desktop entry does not offer the program for text/css"
echo "== the package holds the program's ${#expected[@]} files and nothing else"

# A user who never ran the program, the example site, the preview shown on its page.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
mkdir -p "$XDG_CONFIG_HOME/Velmor" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp -r "$root/docs/example" "$work/site"
printf '[General]\nPathToLastFile=%s\nLastNameStyle=body\n\n[Init]\nAutoRefresh=1\nViewer=3\nHomePage=%s\n' \
    "$work/site/site.css" "file://$work/site/index.html" >"$XDG_CONFIG_HOME/Velmor/Tesselo.conf"

# The preview's page is asked for its address through QtWebEngine's debugging port.
port=$((20000 + RANDOM % 20000))
QTWEBENGINE_REMOTE_DEBUGGING=$port "$work/root/usr/bin/tesselo" "$work/site/site.css" \
    >"$work/log" 2>&1 &
app=$!
sleep "$seconds"
alive "$app" || {
    cat "$work/log" >&2
    fail "the editor did not stay up for $seconds s"
}
helper=$(pgrep -P "$app" -x tesselo-preview | head -n 1 || true)
if [ -z "$helper" ] || [ "$(readlink "/proc/$helper/exe")" != "$work/root/usr/bin/tesselo-preview" ]; then
    cat "$work/log" >&2
    fail "the editor did not start the preview's helper from beside itself"
fi
page=$(python3 -c '
import json, sys, urllib.request
with urllib.request.urlopen(f"http://127.0.0.1:{sys.argv[1]}/json", timeout=10) as reply:
    print(" ".join(t["url"] for t in json.load(reply) if t.get("type") == "page"))
' "$port" 2>/dev/null || true)
[ "$page" = "file://$work/site/index.html" ] || fail "the preview shows \"$page\", not the site's page"
echo "== the editor ran $seconds s, its preview (helper $helper) on $page"

kill -TERM "$app"
status=0
wait "$app" || status=$?
app=
# 143: ended by the TERM it was sent, not by a crash on the way out.
[ "$status" -eq 143 ] || fail "the editor ended with status $status when killed"
for _ in $(seq 50); do
    alive "$helper" || break
    sleep 0.2
done
! alive "$helper" || fail "the preview's helper outlived the editor"
helper=
echo "== killed, the editor and its helper are gone"
echo "PASSED: $deb"
