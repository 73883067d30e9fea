#!/usr/bin/env bash
# The whole program tried as a new user would: the real tesselo under Xvfb, with a
# home of its own, driven by real mouse and keyboard events through the X server
# (xdotool), on a small site of our own whose page links its style sheet. After each
# change, with automatic refresh on, the sheet on disk must hold the new declaration,
# written into the rule as its author wrote it (one line of the file changed), and the
# preview's page must show it (its computed style, read through QtWebEngine's
# remote debugging port). A change taken back with Ctrl+Z and done again with
# Ctrl+Shift+Z. A rule picked on the page with the pointer, and the page kept, not
# reloaded, when its sheet changes. Then a rule whose size is in rem edited, one side of its
# border set, a rule inside @media found through the list's filter and edited, the
# page's body made a centred flex row with a gap on the layout page, the page laid out
# at a laptop's width typed into the tool bar's width box, the theme's colour changed on
# the page of variables, a heading's corners rounded and a shadow added on the page of
# effects, a button's hover forced and its colour changed, the page at a phone's width,
# a declaration typed with the completion list's help and pushed, a new style through
# the selector builder, a rename with a bracket left open refused, save, close,
# a start that finds the same file and rule, and a kill in the middle of an edit that
# brings the recovery question at the next start; then another program's text added
# while the window edits, kept when the user discards the window's edits.
# Usage: scripts/e2e.sh [BUILD_DIR]   (default build/; keeps the screens on failure)
set -Eeuo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${TESSELO_E2E_INSIDE:-}" ]; then
    missing=()
    command -v xdotool >/dev/null || missing+=(xdotool)
    command -v xwininfo >/dev/null || missing+=(x11-utils)
    command -v import >/dev/null || missing+=(imagemagick)
    command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
    if [ ${#missing[@]} -gt 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    TESSELO_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build"
fi

helper="$root/scripts/e2e-helper.py"
work=$(mktemp -d)
app=
cleanup() {
    [ -n "$app" ] && kill -9 "$app" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'fail "a command failed (line $LINENO)"' ERR
# The tests' offscreen platform would show nothing to the X server.
unset QT_QPA_PLATFORM
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
mkdir -p "$XDG_CONFIG_HOME/Velmor" "$XDG_RUNTIME_DIR" "$work/site" && chmod 700 "$XDG_RUNTIME_DIR"
port=$((20000 + RANDOM % 20000))
site="$work/site"
sheet="$site/site.css"
cat >"$site/index.html" <<'HTML'
<!doctype html>
<html><head><meta charset="utf-8"><title>e2e</title>
<link rel="stylesheet" href="site.css">
<style>@media (min-width: 768px) { .lead { letter-spacing: 1px } }</style></head>
<body><h1>Heading</h1><p>Text.</p><p class="lead">Lead.</p><p class="note">Note.</p>
<input id="field"><button class="btn">Go</button></body></html>
HTML
printf 'body { color: var(--ink) }\nh1 { font-size: 20px }\np { margin-top: 4px }\n.lead { font-size: 1.25rem }\n@media screen {\n  .note { color: gray }\n}\n:root { --ink: black }\n.btn:hover { color: red }\n' >"$sheet"
printf '[General]\nPathToLastFile=%s\nLastNameStyle=body\n\n[Init]\nAutoRefresh=1\nViewer=3\nHomePage=%s\n' \
    "$sheet" "file://$site/index.html" >"$XDG_CONFIG_HOME/Velmor/Tesselo.conf"

step=0
fail() {
    echo "FAILED at step $step: $*" >&2
    [ -n "${id:-}" ] && import -window root "/tmp/tesselo-e2e-failure.png" 2>/dev/null &&
        echo "the screen: /tmp/tesselo-e2e-failure.png" >&2
    exit 1
}
# window NAME: the id of the top-level window whose name starts with NAME, waiting for it.
window() {
    local found=
    for _ in $(seq 75); do
        found=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$1" 'index($0, name) {print $1; exit}')
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
    return 1
}
start() {
    QTWEBENGINE_REMOTE_DEBUGGING=$port "$build/bin/tesselo" >>"$work/log" 2>&1 &
    app=$!
}
main_window() {
    width=
    for _ in $(seq 5); do
        id=$(window "Tesselo 1.0 beta") || fail "the main window did not come"
        sleep 2
        # The name may first stand on a window that goes again at once.
        width=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {print $2}' || true)
        [ -n "$width" ] && break
    done
    [ -n "$width" ] || fail "the main window did not stay"
    xdotool windowfocus --sync "$id" 2>/dev/null || true
}
click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep 0.4; }
# expect PATTERN SELECTOR PROPERTY VALUE: the sheet on disk matches PATTERN (extended,
# any case) and the preview's computed PROPERTY of SELECTOR becomes VALUE.
expect() {
    local shown=
    for _ in $(seq 25); do
        if grep -Eqi "$1" "$sheet"; then
            shown=$("$helper" style "$port" "$2" "$3" 2>/dev/null || true)
            [ "$shown" = "$4" ] && return 0
        fi
        sleep 0.2
    done
    fail "expected /$1/ on disk and $2 { $3: $4 } in the page, found '$shown' in: $(cat "$sheet")"
}
# ended: the program ends within ten seconds.
ended() {
    for _ in $(seq 50); do
        kill -0 "$app" 2>/dev/null || return 0
        sleep 0.2
    done
    return 1
}
# The list's rows, from the top, and the property pages' tabs, from the right edge.
row() { echo $((109 + 14 * $1)); }
# A row shows the list's silver unless it is the selected one.
pixel() { import -window "$id" -crop "1x1+120+$(row "$1")" -depth 8 txt:- | grep -Eo '#[0-9A-F]{6}' | head -1; }
page() { "$helper" eval "$port" "$1" 2>/dev/null || true; }

step=1 # a rule chosen from the list
start
main_window
"$helper" style "$port" h1 font-size >/dev/null 2>&1 || sleep 3

step=1b # the lead paragraph picked on the page: Ctrl+Shift+C, then a click on it
# Where the page lies in the window: a pointer moved over it tells the page's own script.
page "addEventListener('mousemove', e => { window.e2eAt = e.clientX + ' ' + e.clientY; }); 1" >/dev/null
xdotool mousemove --window "$id" $((width / 2)) 300
sleep 0.3
xdotool mousemove --window "$id" $((width / 2 + 1)) 300
sleep 0.5
read -r seenX seenY <<<"$(page "window.e2eAt || ''")"
[ -n "${seenY:-}" ] || fail "the page did not see the pointer"
read -r leadX leadY <<<"$(page "(r => Math.round(r.left + 5) + ' ' + Math.round(r.top + r.height / 2))(document.querySelector('.lead').getBoundingClientRect())")"
page "window.e2eMarker = 'kept'" >/dev/null
xdotool key ctrl+shift+c
sleep 0.5
click $((width / 2 + 1 - seenX + leadX)) $((300 - seenY + leadY))
sleep 0.5
[ "$(pixel 3)" != "#C0C0C0" ] && [ "$(pixel 0)" = "#C0C0C0" ] ||
    fail "the picked paragraph did not select the rule .lead"
click 30 "$(row 1)"

step=1c # keys typed into the page's field once it is clicked, and into the editor's after
read -r fieldX fieldY <<<"$(page "(r => Math.round(r.left + 5) + ' ' + Math.round(r.top + r.height / 2))(document.querySelector('#field').getBoundingClientRect())")"
click $((width / 2 + 1 - seenX + fieldX)) $((300 - seenY + fieldY))
xdotool type --delay 60 'ab c'
sleep 0.5
[ "$(page "document.querySelector('#field').value")" = 'ab c' ] ||
    fail "the page's field did not take the keys typed: '$(page "document.querySelector('#field').value")'"

step=2 # a font size typed into its box: in the file, that one value of that one line
cp "$sheet" "$work/before.css"
click 670 61
xdotool key ctrl+a
xdotool type 28
xdotool key Return
expect 'font-size: *28px' h1 font-size 28px
[ "$(diff "$work/before.css" "$sheet" | tr '\n' '|')" = '2c2|< h1 { font-size: 20px }|---|> h1 { font-size: 28px }|' ] ||
    fail "the edit changed more than its value: $(diff "$work/before.css" "$sheet")"
[ "$(page "String(window.e2eMarker)")" = kept ] || fail "the page was reloaded for its sheet"

step=3 # a keyword button: its declaration added in the rule's own line
click 461 118
expect 'text-align: *center' h1 text-align center
grep -qx 'h1 { font-size: 28px; text-align: center }' "$sheet" ||
    fail "the button's declaration is not in the rule as written: $(cat "$sheet")"

step=3b # Ctrl+Z takes the button back, on disk and in the page; Ctrl+Shift+Z does it again
xdotool key ctrl+z
expect 'font-size: *28px' h1 text-align start
xdotool key ctrl+shift+z
expect 'text-align: *center' h1 text-align center

step=4 # a margin with its spinner, on the margins page
click $((width - 243)) 144
click $((width - 45)) 211
margin=$(grep -Eio 'margin-top: *[0-9.]+px' "$sheet" | head -1 | grep -Eo '[0-9.]+px' || true)
[ -n "$margin" ] || fail "no margin on disk: $(cat "$sheet")"
expect "margin-top: *$margin" h1 margin-top "$margin"

step=5 # a colour through the colour dialog: its HTML field, then OK
click $((width - 324)) 144
click $((width - 250)) 192 # the text colour swatch
sleep 1
xdotool key alt+h
xdotool key ctrl+a
xdotool type '#cc0000'
xdotool key Return
expect '(^|[ ;{])color: *#cc0000' h1 color 'rgb(204, 0, 0)'

step=6 # a size in rem: the rule read with its unit, a new size typed with its unit
click 30 "$(row 3)"
click 670 61
xdotool key ctrl+a
xdotool type 1.5rem
xdotool key Return
expect 'font-size: *1\.5rem' .lead font-size 24px

step=6b # one side of the border: "Низ" in the border box, then the dashed style
click $((width - 324)) 144
click $((width - 195)) 240
click $((width - 301)) 263
expect 'border-bottom-style: *dashed' .lead border-bottom-style dashed
shown=$("$helper" style "$port" .lead border-top-style 2>/dev/null || true)
[ "$shown" = none ] || fail "the top border became '$shown': $(cat "$sheet")"

step=6c # a rule inside @media found by typing into the filter (Ctrl+F), then edited
xdotool key ctrl+f
xdotool type note
sleep 0.5
click 30 "$(row 1)" # below its group's row
click 461 118
expect 'text-align: *center' .note text-align center
grep -Eq '^  \.note \{' "$sheet" || fail "the rule left its group: $(cat "$sheet")"
click 60 89 # the filter box: Escape shows every rule again
xdotool key Escape

step=6i # the button picked with the pointer on it, its hover forced from "Стили элемента",
# its hover colour changed on the panel: the page shows it with the pointer away
read -r btnX btnY <<<"$(page "(r => Math.round(r.left + r.width / 2) + ' ' + Math.round(r.top + r.height / 2))(document.querySelector('.btn').getBoundingClientRect())")"
xdotool key ctrl+shift+c
sleep 0.5
click $((width / 2 + 1 - seenX + btnX)) $((300 - seenY + btnY))
sleep 0.5
xdotool mousemove --window "$id" 30 "$(row 5)"
click 656 430 # "Стили элемента"
[ "$(pixel 7)" != "#C0C0C0" ] || fail "the picked button did not select the rule .btn:hover" # under the open @media group
click 269 148 # ":hover" above the element's rules
click $((width - 250)) 192 # the text colour swatch
sleep 1
xdotool key alt+h
xdotool key ctrl+a
xdotool type '#00aa00'
xdotool key Return
click 549 430 # back to "Просмотр", which shows the page as the sheet now is
expect '^\.btn:hover *\{ *color: *#00aa00' .btn color 'rgb(0, 170, 0)'

step=6j # the page laid out at a phone's width: its own rule for 768 pixels and more is off
click $((width - 80)) 33
xdotool key ctrl+a
xdotool type 375
xdotool key Return
for _ in $(seq 25); do [ "$(page window.innerWidth)" = 375 ] && break; sleep 0.2; done
[ "$(page window.innerWidth)" = 375 ] || fail "the page is not 375 pixels wide: $(page window.innerWidth)"
[ "$("$helper" style "$port" .lead letter-spacing 2>/dev/null)" = normal ] ||
    fail "the wide layout's rule applies at 375 pixels"

step=6d # the page's body made a centred flex row with a 1rem gap, without typing but the gap
click 30 "$(row 0)"
click $((width - 182)) 144 # "Блок": the flex button
click $((width - 256)) 262
expect 'display: *flex' body display flex
click $((width - 326)) 167 # "Раскладка": centred on both axes, and the gap
click $((width - 197)) 276
expect 'justify-content: *center' body justify-content center
click $((width - 168)) 305
expect 'align-items: *center' body align-items center
click $((width - 163)) 434
xdotool key ctrl+a
xdotool type 1rem
xdotool key Return
expect 'gap: *1rem' body row-gap 16px
[ "$("$helper" style "$port" body column-gap 2>/dev/null || true)" = 16px ] ||
    fail "the gap does not apply between the columns"
grep -qx 'body { color: var(--ink); display: flex; justify-content: center; align-items: center; gap: 1rem }' "$sheet" ||
    fail "the layout is not in the rule as written, one declaration a change: $(cat "$sheet")"
click 30 "$(row 3)"

step=6e # the page laid out at a laptop's width, typed into the width box on the tool bar
# (scaled down into the preview), then at the preview's own width again
width_box() {
    click $((width - 80)) 33
    xdotool key ctrl+a
    xdotool type "$1"
    xdotool key Return
}
width_box 1280
for _ in $(seq 25); do [ "$(page window.innerWidth)" = 1280 ] && break; sleep 0.2; done
[ "$(page window.innerWidth)" = 1280 ] || fail "the page is not 1280 pixels wide: $(page window.innerWidth)"
[ "$("$helper" style "$port" .lead letter-spacing 2>/dev/null)" = 1px ] ||
    fail "the wide layout's rule does not apply at 1280 pixels"
width_box 0
for _ in $(seq 25); do [ "$(page window.innerWidth)" != 1280 ] && break; sleep 0.2; done
[ "$(page window.innerWidth)" != 1280 ] || fail "the page stays 1280 pixels wide"

step=6f # the theme's colour changed on the page of variables: the variable's one line on
# disk, and the body, which reads it through var(), follows in the page
cp "$sheet" "$work/before-variable.css"
click $((width - 55)) 167 # "Переменные": --ink under :root
xdotool mousemove --window "$id" $((width - 230)) 251 click --repeat 2 --delay 120 1
sleep 1
xdotool key alt+h
xdotool key ctrl+a
xdotool type '#0000cc'
xdotool key Return
expect '[-][-]ink: *#0000cc' body color 'rgb(0, 0, 204)'
[ "$(diff "$work/before-variable.css" "$sheet" | grep -c '^>')" = 1 ] ||
    fail "the variable's change touched more than its line: $(diff "$work/before-variable.css" "$sheet")"
click $((width - 324)) 144

step=6g # corners rounded and a shadow added on the page of effects: both in the h1 rule,
# and the page draws them
click 30 "$(row 1)"
click $((width - 245)) 167 # "Эффекты"
click $((width - 195)) 216 # "Все углы"
xdotool key ctrl+a
xdotool type 8
xdotool key Return
expect '^h1 *\{[^}]*border-radius: *8px' h1 border-top-left-radius 8px
click $((width - 39)) 272 # the "+" beside the box's shadows
for _ in $(seq 25); do
    grep -Eq '^h1 *\{[^}]*border-radius: *8px[^}]*box-shadow:' "$sheet" &&
        shadow=$("$helper" style "$port" h1 box-shadow 2>/dev/null || true) &&
        [ -n "$shadow" ] && [ "$shadow" != none ] && break
    sleep 0.2
done
grep -Eq '^h1 *\{[^}]*border-radius: *8px[^}]*box-shadow:' "$sheet" ||
    fail "the shadow is not in the h1 rule: $(cat "$sheet")"
[ -n "${shadow:-}" ] && [ "$shadow" != none ] || fail "the page draws no shadow under h1: '${shadow:-}'"
click $((width - 324)) 144 # back to "Фон и цвет", on the rule the steps after this know
click 30 "$(row 3)"

step=6h # a declaration typed into "Текущий стиль" with the completion list's help (a name
# begun and taken with Tab, its value typed), pushed with the view's button: in the p rule
# on disk, and in the page
click 30 "$(row 2)"
click 223 430 # "Текущий стиль"
click 400 150
xdotool key ctrl+End
xdotool type --delay 80 '; letter-sp'
sleep 0.5
xdotool key Tab
xdotool type --delay 80 '2px'
xdotool key Escape
sleep 0.5
click 449 408 # "Обновить панели инструменов >>>"
click 549 430 # back to "Просмотр", which shows the page as the sheet now is
expect '^p *\{[^}]*; *letter-spacing: 2px' p letter-spacing 2px
click 30 "$(row 3)" # .lead again, as the steps after this know it

step=7 # a new style through the selector builder: the tag H2, added, done
click 16 63 # the "+" above the style list
builder=$(window CreateSelector) || fail "the selector builder did not come"
sleep 1
for at in "25 134" "731 264" "731 377"; do
    xdotool mousemove --window "$builder" $at click 1
    sleep 0.4
done
sleep 0.5

step=7b # a rename with a bracket left open: refused with a message, the file as it was,
# the typing still in the rename box, where a "]" puts it right
cp "$sheet" "$work/before-rename.css"
click 30 "$(row 4)" # the new style's row: the keys go to the list
xdotool key F2
sleep 0.5
xdotool key ctrl+a
xdotool type 'h2[title'
xdotool key Return
refusal=$(window Error) || fail "no message about the bracket left open"
sleep 0.5
cmp -s "$work/before-rename.css" "$sheet" || fail "the refused rename changed the file: $(cat "$sheet")"
xdotool windowfocus --sync "$refusal" 2>/dev/null || true
xdotool key Return
for _ in $(seq 25); do
    xwininfo -id "$refusal" >/dev/null 2>&1 || break
    sleep 0.2
done
sleep 0.5
xdotool key End
xdotool type ']'
xdotool key Return
for _ in $(seq 25); do
    grep -Eq '^h2\[title\] *\{' "$sheet" && break
    sleep 0.2
done
grep -Eq '^h2\[title\] *\{' "$sheet" || fail "the rename box lost the typing: $(cat "$sheet")"
click 30 "$(row 4)" # named back, as the steps after it know it
xdotool key F2
sleep 0.5
xdotool key ctrl+a
xdotool type H2
xdotool key Return
for _ in $(seq 25); do
    grep -Eq '^H2 *\{' "$sheet" && break
    sleep 0.2
done

step=8 # saved with the tool bar's button
click 66 33
for _ in $(seq 25); do
    grep -Eq '^H2 *\{' "$sheet" && break
    sleep 0.2
done
grep -Eq '^H2 *\{' "$sheet" || fail "the new style is not on disk: $(cat "$sheet")"
tr -d '\r\n' <"$sheet" | grep -Eqi '\.lead *\{[^}]*font-size: *1\.5rem;[^}]*\}' &&
    ! grep -q '1\.25rem' "$sheet" || fail "the rem size is not saved alone: $(cat "$sheet")"

step=9 # closed as the window manager would; a clean close takes the backup copy away
"$helper" close "$id"
ended || fail "the program did not end on close"
app=
[ -e "$sheet.ORIGINAL" ] && fail "the backup copy was left behind"

step=10 # the next start opens the same file with the new style selected
start
main_window
xwininfo -id "$id" | grep -q "site.css" || fail "the caption does not name the file"
[ "$(pixel 1)" = "#C0C0C0" ] && [ "$(pixel 4)" != "#C0C0C0" ] ||
    fail "the fifth row is not the selected one"
grep -Eqi 'font-size: *28px' "$sheet" || fail "the edits did not stay: $(cat "$sheet")"

step=11 # killed in the middle of an edit: the next start asks about the backup copy
click 30 "$(row 1)"
click 438 118
expect 'text-align: *left' h1 text-align left
kill -9 "$app"
wait "$app" 2>/dev/null || true
app=
[ -e "$sheet.ORIGINAL" ] || fail "no backup copy after the kill"
start
question=$(window "ВНИМАНИЕ" ) || fail "no recovery question after the kill"

step=12 # "Да" to it, an edit, another program's text, then "Нет" to saving: their text stays
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key Return # "Да", the default: the file with its last changes
main_window
click 30 "$(row 1)"
click 461 118
expect 'text-align: *center' h1 text-align center
printf '/* another program */\n' >>"$sheet"
"$helper" close "$id"
# answer NAME: the box whose caption is exactly NAME, answered "Нет" (the button after
# the default "Да").
answer_no() {
    local box=
    for _ in $(seq 50); do
        box=$(xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" 'index($0, name) {print $1; exit}')
        [ -n "$box" ] && break
        sleep 0.2
    done
    [ -n "$box" ] || return 1
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    sleep 0.5
    xdotool key Tab Return
    # The next box may take this one's place under the same caption.
    for _ in $(seq 25); do
        xwininfo -id "$box" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
}
answer_no Tesselo || fail "no question about saving"
answer_no Tesselo || fail "no question about the other program's text"
ended || fail "the program did not end after the answers"
app=
grep -q 'another program' "$sheet" || fail "the other program's text was lost: $(cat "$sheet")"
[ -e "$sheet.ORIGINAL" ] && fail "the backup copy was left behind"

echo "e2e passed"
