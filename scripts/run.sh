#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor, on FILE when one is given.
# The first start without a FILE (no settings yet) opens a copy of the example site
# (docs/example, copied to ${XDG_DATA_HOME:-~/.local/share}/tesselo/example), with its
# page in the preview and automatic refresh on, so that an edit shows in the page at
# once; the repository's own copy stays as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"

# ini_value TEXT: TEXT quoted as a settings file reads it back whole (a "," would
# otherwise make it a list).
ini_value() {
    local text=${1//\\/\\\\}
    printf '"%s"' "${text//\"/\\\"}"
}

# file_url PATH: PATH as a file:// address, the characters an address cannot hold
# escaped.
file_url() {
    # Byte by byte: a letter outside ASCII is escaped as its UTF-8 bytes.
    local LC_ALL=C path=$1 url='' c i
    for ((i = 0; i < ${#path}; i++)); do
        c=${path:i:1}
        case $c in
        [A-Za-z0-9/._~-]) url+=$c ;;
        *) url+=$(printf '%%%02X' "'$c") ;;
        esac
    done
    echo "file://$url"
}

settings="${XDG_CONFIG_HOME:-$HOME/.config}/Velmor/Tesselo.conf"
if [ $# -eq 0 ] && [ ! -e "$settings" ]; then
    site="${XDG_DATA_HOME:-$HOME/.local/share}/tesselo/example"
    # A copy left by an earlier first start keeps the user's edits.
    if [ ! -e "$site/site.css" ]; then
        mkdir -p "$site"
        cp -r "$root/docs/example/." "$site/"
    fi
    mkdir -p "$(dirname "$settings")"
    # Viewer 3 is the preview's page.
    printf '[General]\nPathToLastFile=%s\nLastNameStyle=body\n\n[Init]\nAutoRefresh=1\nViewer=3\nHomePage=%s\n' \
        "$(ini_value "$site/site.css")" "$(ini_value "$(file_url "$site/index.html")")" >"$settings"
    echo "First start: the example site, $site/index.html, with its sheet site.css"
    set -- "$site/site.css"
fi
exec "$root/build/bin/tesselo" "$@"
