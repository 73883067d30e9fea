#!/usr/bin/env python3
"""Writes the panel's own 16x16 SVG icons into src/panel/icons and their resource
file. One drawing style for all: dark grey strokes 1 px wide, blue for the part the
button is about. Run it again after changing a drawing; the output is committed."""

import os
import sys

INK = "#3a3a3a"
MARK = "#2a6fd6"
LIGHT = "#b8b8b8"


def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" '
            'viewBox="0 0 16 16" fill="none" stroke-linecap="square">' + body + "</svg>\n")


def line(x1, y1, x2, y2, color=INK, width=1, dash=None):
    d = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}" stroke="{color}" '
            f'stroke-width="{width}"{d}/>')


def rect(x, y, w, h, stroke=INK, fill="none", dash=None, width=1):
    d = f' stroke-dasharray="{dash}"' if dash else ""
    s = f'stroke="{stroke}"' if stroke else 'stroke="none"'
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" {s} fill="{fill}" '
            f'stroke-width="{width}"{d}/>')


def text(x, y, s, size=11, weight="normal", style="normal", color=INK, anchor="middle"):
    return (f'<text x="{x}" y="{y}" font-family="sans-serif" font-size="{size}" '
            f'font-weight="{weight}" font-style="{style}" fill="{color}" stroke="none" '
            f'text-anchor="{anchor}">{s}</text>')


def lines_aligned(kind):
    out = []
    for i, y in enumerate((3.5, 6.5, 9.5, 12.5)):
        long = i % 2 == 0
        w = 12 if (long or kind == "justify") else 8
        x = {"left": 2, "right": 14 - w, "center": 8 - w / 2, "justify": 2}[kind]
        out.append(line(x, y, x + w, y))
    return svg("".join(out))


def letter(s, extra="", **kw):
    return svg(text(8, 12.5, s, **kw) + extra)


def arrow(x, y1, y2, color=INK):
    "A vertical arrow from y1 to its head at y2."
    head = 2 if y2 > y1 else -2
    return (line(x, y1, x, y2, color) + line(x - 2, y2 - head, x, y2, color)
            + line(x + 2, y2 - head, x, y2, color))


def vertical(kind):
    # Three families that read apart at 16 pixels: the line box's edges and middle (a
    # bar and arrows, no letters), the text's own lines ("Ag" with a blue rule at its
    # top, baseline or descender) and the raised or lowered index.
    if kind in ("sub", "super"):
        index = text(13, 7 if kind == "super" else 15.5, "2", size=9, weight="bold", color=MARK)
        return svg(text(6, 12, "x", size=13) + index)
    if kind in ("top", "bottom", "middle"):
        bar = {"top": 1.5, "middle": 8, "bottom": 14.5}[kind]
        body = line(1, bar, 15, bar, MARK, 2)
        if kind == "top":
            body += arrow(8, 13, 4)
        elif kind == "bottom":
            body += arrow(8, 3, 12)
        else:
            body += arrow(8, 1, 5.5) + arrow(8, 15, 10.5)
        return svg(body)
    rule = {"text-top": 2.5, "baseline": 10.5, "text-bottom": 14}[kind]
    return svg(text(8, 10.5, "Ag", size=10) + line(1, rule, 15, rule, MARK, 1.5))


def border(kind):
    if kind == "solid":
        return svg(rect(2.5, 2.5, 11, 11, INK, width=1.5))
    if kind == "dotted":
        return svg(rect(2.5, 2.5, 11, 11, INK, dash="1 2"))
    if kind == "dashed":
        return svg(rect(2.5, 2.5, 11, 11, INK, dash="4 2"))
    if kind == "double":
        return svg(rect(1.5, 1.5, 13, 13) + rect(4.5, 4.5, 7, 7))
    if kind == "none":
        return svg(rect(2.5, 2.5, 11, 11, LIGHT, dash="2 2") + line(3, 13, 13, 3, MARK))
    dark, light = (INK, LIGHT) if kind in ("inset", "groove") else (LIGHT, INK)
    body = (line(2.5, 2.5, 13.5, 2.5, dark, 2) + line(2.5, 2.5, 2.5, 13.5, dark, 2)
            + line(2.5, 13.5, 13.5, 13.5, light, 2) + line(13.5, 2.5, 13.5, 13.5, light, 2))
    if kind in ("ridge", "groove"):
        body += (line(5.5, 5.5, 10.5, 5.5, light) + line(5.5, 5.5, 5.5, 10.5, light)
                 + line(5.5, 10.5, 10.5, 10.5, dark) + line(10.5, 5.5, 10.5, 10.5, dark))
    return svg(body)


def picture_position(h, v):
    x = {"left": 3, "center": 6.5, "right": 10}[h]
    y = {"top": 3, "center": 6.5, "bottom": 10}[v]
    return svg(rect(1.5, 1.5, 13, 13) + rect(x, y, 3, 3, None, MARK))


def repeat(kind):
    cells = {"xy": [(x, y) for x in (2, 6.5, 11) for y in (2, 6.5, 11)],
             "x": [(x, 6.5) for x in (2, 6.5, 11)],
             "y": [(6.5, y) for y in (2, 6.5, 11)],
             "none": [(6.5, 6.5)]}[kind]
    return svg("".join(rect(x, y, 3, 3, None, MARK) for x, y in cells))


def attachment(kind):
    body = rect(1.5, 1.5, 13, 13)
    if kind == "fixed":
        body += rect(6, 6, 4, 4, None, MARK) + line(8, 10, 8, 13.5, MARK)
    else:
        body += (line(8, 3.5, 8, 12.5, MARK) + line(6, 5.5, 8, 3.5, MARK)
                 + line(10, 5.5, 8, 3.5, MARK) + line(6, 10.5, 8, 12.5, MARK)
                 + line(10, 10.5, 8, 12.5, MARK))
    return svg(body)


def grid(highlight=()):
    body = ""
    for (c, r) in highlight:
        body += rect(2 + c * 4, 3 + r * 3.5, 4, 3.5, None, MARK)
    body += rect(1.5, 2.5, 12, 10.5)
    for x in (5.5, 9.5):
        body += line(x, 2.5, x, 13)
    for y in (6, 9.5):
        body += line(1.5, y, 13.5, y)
    return body


def display(kind):
    if kind == "block":
        return svg(rect(1.5, 5.5, 13, 5, MARK) + line(1, 2.5, 15, 2.5, LIGHT)
                   + line(1, 13.5, 15, 13.5, LIGHT))
    if kind == "inline":
        return svg(line(1, 8, 4, 8, LIGHT) + rect(5.5, 5.5, 5, 5, MARK) + line(12, 8, 15, 8, LIGHT))
    if kind == "list-item":
        return svg("".join(rect(2, y, 2, 2, None, MARK) + line(6, y + 1, 14, y + 1)
                           for y in (2.5, 7, 11.5)))
    if kind == "marker":
        return svg(rect(2, 7, 3, 3, None, MARK) + line(7, 8.5, 14, 8.5, LIGHT))
    if kind == "none":
        return svg(rect(2.5, 2.5, 11, 11, LIGHT, dash="2 2") + line(3, 3, 13, 13, MARK)
                   + line(13, 3, 3, 13, MARK))
    if kind == "table":
        return svg(grid())
    if kind == "inline-table":
        return svg(line(0, 8, 3, 8, LIGHT) + rect(4.5, 4.5, 7, 7) + line(8, 4.5, 8, 11.5)
                   + line(4.5, 8, 11.5, 8) + line(13, 8, 16, 8, LIGHT))
    if kind == "table-caption":
        return svg(rect(1.5, 1, 13, 2.5, None, MARK) + rect(1.5, 5.5, 13, 8.5)
                   + line(8, 5.5, 8, 14) + line(1.5, 9.5, 14.5, 9.5))
    if kind == "table-header-group":
        return svg(grid([(0, 0), (1, 0), (2, 0)]))
    if kind == "table-footer-group":
        return svg(grid([(0, 2), (1, 2), (2, 2)]))
    if kind == "table-cell":
        return svg(grid([(1, 1)]))
    if kind == "table-row":
        return svg(grid([(0, 1), (1, 1), (2, 1)]))
    if kind == "table-row-group":
        return svg(grid([(c, r) for c in range(3) for r in (1, 2)]))
    if kind == "table-column":
        return svg(grid([(1, 0), (1, 1), (1, 2)]))
    if kind == "table-column-group":
        return svg(grid([(c, r) for c in (1, 2) for r in range(3)]))
    if kind == "inline-block":
        return svg(line(1, 2.5, 15, 2.5, LIGHT) + line(1, 8, 4, 8, LIGHT) + rect(5.5, 4.5, 5, 7, MARK)
                   + line(7, 6.5, 9, 6.5) + line(7, 9.5, 9, 9.5) + line(12, 8, 15, 8, LIGHT)
                   + line(1, 13.5, 15, 13.5, LIGHT))
    if kind in ("flex", "inline-flex"):
        if kind == "flex":
            return svg(rect(1.5, 3.5, 13, 9) + "".join(rect(x, 5.5, 2, 5, MARK, MARK)
                                                         for x in (3.5, 7.5, 11)))
        return svg(line(0, 8, 3, 8, LIGHT) + rect(4.5, 4.5, 7, 7)
                   + rect(6, 6, 1, 4, MARK, MARK) + rect(9, 6, 1, 4, MARK, MARK)
                   + line(13, 8, 16, 8, LIGHT))
    if kind == "grid":
        return svg(rect(1.5, 1.5, 13, 13) + "".join(rect(x, y, 4, 4, None, MARK)
                                                   for x in (3.5, 8.5) for y in (3.5, 8.5)))
    if kind == "inline-grid":
        return svg(line(0, 8, 3, 8, LIGHT) + rect(4.5, 4.5, 7, 7)
                   + "".join(rect(x, y, 2, 2, None, MARK) for x in (6, 8.5) for y in (6, 8.5))
                   + line(13, 8, 16, 8, LIGHT))
    if kind == "flow-root":
        return svg(rect(1.5, 1.5, 13, 13) + rect(3, 3, 5, 6, None, MARK) + line(9.5, 4, 13, 4)
                   + line(9.5, 7, 13, 7) + line(3, 11.5, 13, 11.5))
    # contents: the box itself is not made, its children stay
    return svg(rect(1.5, 2.5, 13, 11, LIGHT, dash="2 2") + rect(3.5, 5.5, 4, 5, None, MARK)
               + rect(9, 5.5, 4, 5, None, MARK))


def eye(slash=False):
    body = ('<path d="M1.5 8 C4 3.5 12 3.5 14.5 8 C12 12.5 4 12.5 1.5 8 Z" stroke="%s"/>' % INK
            + '<circle cx="8" cy="8" r="2" fill="%s" stroke="none"/>' % MARK)
    if slash:
        body += line(2.5, 13.5, 13.5, 2.5, INK, 1.5)
    return svg(body)


def overflow(kind):
    box = rect(2.5, 2.5, 11, 11)
    if kind == "visible":
        return svg(box + line(5, 6, 15.5, 6, MARK) + line(5, 9, 15.5, 9, MARK))
    if kind == "hidden":
        return svg(box + line(5, 6, 13.5, 6, MARK) + line(5, 9, 13.5, 9, MARK))
    if kind == "scroll":
        return svg(box + rect(10.5, 2.5, 3, 11, INK, LIGHT) + rect(10.5, 4.5, 3, 4, None, MARK)
                   + line(4.5, 6, 9, 6) + line(4.5, 9, 9, 9))
    return svg(box + text(8, 11.5, "A", size=9, weight="bold", color=MARK))


def position(kind):
    flow = line(1, 3.5, 15, 3.5, LIGHT) + line(1, 12.5, 15, 12.5, LIGHT)
    if kind == "static":
        return svg(flow + rect(4.5, 5.5, 7, 5, MARK))
    if kind == "relative":
        return svg(flow + rect(3.5, 6.5, 7, 5, LIGHT, dash="1 1") + rect(6.5, 4.5, 7, 5, MARK))
    if kind == "absolute":
        return svg(rect(1.5, 1.5, 13, 13, LIGHT) + rect(7.5, 3.5, 5, 4, MARK) + line(1.5, 1.5, 7, 3, INK))
    if kind == "sticky":
        # held at the top edge while the lines below scroll up under it
        return svg(line(1, 1.5, 15, 1.5, INK, 1.5) + rect(3.5, 2.5, 9, 4, MARK, MARK)
                   + line(3, 9.5, 13, 9.5, LIGHT) + line(3, 12.5, 13, 12.5, LIGHT)
                   + line(14, 13.5, 14, 9, INK) + line(12.5, 10.5, 14, 9, INK)
                   + line(15.5, 10.5, 14, 9, INK))
    return svg(rect(1.5, 1.5, 13, 13) + rect(7.5, 3.5, 5, 4, None, MARK)
               + line(10, 7.5, 10, 12.5, INK))  # fixed: pinned


def floating(side):
    box = rect(1.5 if side == "left" else 8.5, 2.5, 6, 6, None, MARK)
    x1, x2 = (9, 14.5) if side == "left" else (1.5, 7)
    return svg(box + line(x1, 3.5, x2, 3.5) + line(x1, 6.5, x2, 6.5) + line(1.5, 10.5, 14.5, 10.5)
               + line(1.5, 13.5, 14.5, 13.5))


ICONS = {
    "font-bold": letter("B", weight="bold"),
    "font-style-normal": letter("A"),
    "font-style-italic": letter("A", style="italic"),
    "text-decor-underline": letter("U", line(3, 14.5, 13, 14.5, MARK)),
    "text-decor-line-through": letter("S", line(2, 8.5, 14, 8.5, MARK)),
    "text-decor-overline": letter("O", line(3, 1.5, 13, 1.5, MARK)),
    "text-decor-blink": letter("A", line(1, 2, 3, 4, MARK) + line(15, 2, 13, 4, MARK)
                               + line(1, 14, 3, 12, MARK) + line(15, 14, 13, 12, MARK), size=9),
    "text-decor-none": letter("T", line(2, 14, 14, 2, LIGHT)),
    "font-variant-normal": svg(text(8, 12.5, "Aa", size=10)),
    "font-variant-small-caps": svg(text(5, 12.5, "A", size=10) + text(11.5, 12.5, "A", size=7)),
    "open-picture": svg(rect(1.5, 2.5, 13, 11) + '<path d="M2 13 L6 8 L9 11 L11 9 L14 13" '
                        f'stroke="{MARK}"/>' + '<circle cx="11" cy="5.5" r="1.2" '
                        f'fill="{MARK}" stroke="none"/>'),
}
for k in ("left", "center", "right", "justify"):
    ICONS["text-align-" + k] = lines_aligned(k)
for k in ("bottom", "text-bottom", "sub", "baseline", "middle", "super", "text-top", "top"):
    ICONS["vertical-align-" + k] = vertical(k)
for k in ("solid", "dotted", "dashed", "inset", "outset", "ridge", "double", "groove", "none"):
    ICONS["border-" + k] = border(k)
for h in ("left", "center", "right"):
    for v in ("top", "center", "bottom"):
        ICONS[f"position-{h}-{v}"] = picture_position(h, v)
for k in ("fixed", "scroll"):
    ICONS["attachment-" + k] = attachment(k)
for k in ("xy", "x", "y", "none"):
    ICONS["repeat-" + k] = repeat(k)
for k in ("block", "inline", "list-item", "marker", "none", "table", "inline-table",
          "table-caption", "table-header-group", "table-footer-group", "table-cell",
          "table-row", "table-row-group", "table-column", "table-column-group",
          "inline-block", "flex", "inline-flex", "grid", "inline-grid", "flow-root", "contents"):
    ICONS["display-" + k] = display(k)
ICONS["visibility-visible"] = eye()
ICONS["visibility-hidden"] = eye(True)
ICONS["visibility-collapse"] = svg(grid([(0, 1), (1, 1), (2, 1)]) + line(1, 14, 15, 2, INK, 1.5))
for k in ("visible", "hidden", "scroll", "auto"):
    ICONS["overflow-" + k] = overflow(k)
for k in ("static", "relative", "absolute", "fixed", "sticky"):
    ICONS["position-" + k] = position(k)
for k in ("left", "right"):
    ICONS["float-" + k] = floating(k)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "panel")
    folder = os.path.join(root, "icons")
    os.makedirs(folder, exist_ok=True)
    for name, body in ICONS.items():
        with open(os.path.join(folder, name + ".svg"), "w") as f:
            f.write(body)
    with open(os.path.join(root, "panel_icons.qrc"), "w") as f:
        f.write('<RCC>\n    <qresource prefix="/panel-icons">\n')
        for name in sorted(ICONS):
            f.write(f'        <file alias="{name}.svg">icons/{name}.svg</file>\n')
        f.write("    </qresource>\n</RCC>\n")
    print(len(ICONS), "icons", file=sys.stderr)


if __name__ == "__main__":
    main()
