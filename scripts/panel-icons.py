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


# The layout page's pictures, drawn for a row (the main axis across). Items are whole
# pixels: cells(3, 4, 2, 8) fills columns 3 and 4 of rows 4 to 11; an edge line at
# x = 0.5 is column 0.
def cells(x, y, w, h, color=MARK):
    return rect(x, y, w, h, None, color)


def dot(cx, cy, r, color="#ffffff"):
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{color}" stroke="none"/>'


def ellipse(cx, cy, rx, ry, color="#ffffff"):
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{color}" stroke="none"/>'


# The main axis's start and end, left and right; the cross axis's, top and bottom.
MAIN_EDGES = line(0.5, 2.5, 0.5, 13.5) + line(15.5, 2.5, 15.5, 13.5)
CROSS_EDGES = line(1.5, 0.5, 14.5, 0.5) + line(1.5, 15.5, 14.5, 15.5)


def flex_direction(kind):
    # The first item in blue, the others grey, and the arrow the way they go.
    if kind.startswith("row"):
        first = 11 if kind == "row-reverse" else 1
        items = "".join(cells(x, 2, 4, 4, MARK if x == first else LIGHT) for x in (1, 6, 11))
        tip, back = (1.5, 3.5) if kind == "row-reverse" else (14.5, 12.5)
        return svg(items + line(1.5, 10.5, 14.5, 10.5) + line(back, 8.5, tip, 10.5)
                   + line(back, 12.5, tip, 10.5))
    first = 11 if kind == "column-reverse" else 1
    items = "".join(cells(2, y, 4, 4, MARK if y == first else LIGHT) for y in (1, 6, 11))
    return svg(items + (arrow(10.5, 14.5, 1.5) if kind == "column-reverse"
                        else arrow(10.5, 1.5, 14.5)))


def flex_wrap(kind):
    # A container three items wide: a fourth stays on the line and runs out, or goes
    # to a line of its own below (above, reversed).
    edges = line(0.5, 1.5, 0.5, 14.5) + line(12.5, 1.5, 12.5, 14.5)
    if kind == "nowrap":
        return svg(edges + "".join(cells(x, 6, 3, 4) for x in (1, 5, 9, 13)))
    full, rest = (10, 2) if kind == "wrap-reverse" else (2, 10)
    return svg(edges + "".join(cells(x, full, 3, 4) for x in (1, 5, 9)) + cells(1, rest, 3, 4))


JUSTIFY = {"flex-start": (1, 4, 7), "center": (4, 7, 10), "flex-end": (7, 10, 13),
           "space-between": (1, 7, 13), "space-around": (2, 7, 12),
           "space-evenly": (3, 7, 11)}


def justify_content(kind):
    return svg(MAIN_EDGES + "".join(cells(x, 4, 2, 8) for x in JUSTIFY[kind]))


# Items of three heights, across the cross axis: (top, height) of each.
ALIGN = {"flex-start": ((1, 6), (1, 10), (1, 4)), "center": ((5, 6), (3, 10), (6, 4)),
         "flex-end": ((9, 6), (5, 10), (11, 4)), "stretch": ((1, 14),) * 3,
         "baseline": ((4, 7), (2, 11), (6, 5))}
BASELINE = line(1.5, 9.5, 14.5, 9.5)


def align_items(kind):
    body = CROSS_EDGES + "".join(cells(x, top, 2, h) for x, (top, h) in zip((3, 7, 11),
                                                                             ALIGN[kind]))
    return svg(body + (BASELINE if kind == "baseline" else ""))


CONTENT_LINES = {"flex-start": (1, 5), "center": (5, 9), "flex-end": (9, 13),
                 "space-between": (1, 7, 13), "space-around": (2, 7, 12),
                 "space-evenly": (3, 7, 11)}


def align_content(kind):
    # Each line of items two items wide; stretched, the two lines share the height.
    if kind == "stretch":
        rows = ((1, 6), (9, 6))
    else:
        rows = tuple((y, 2) for y in CONTENT_LINES[kind])
    return svg(CROSS_EDGES + "".join(cells(2, y, 5, h) + cells(9, y, 5, h) for y, h in rows))


SELF = {"flex-start": (1, 6), "center": (5, 6), "flex-end": (9, 6), "stretch": (1, 14),
        "baseline": (4, 7)}


def align_self(kind):
    # The item in blue between two grey neighbours; auto, an outline as tall as they are.
    body = CROSS_EDGES + cells(1, 3, 3, 10, LIGHT) + cells(12, 3, 3, 10, LIGHT)
    if kind == "auto":
        return svg(body + rect(6.5, 3.5, 3, 9, MARK))
    top, h = SELF[kind]
    return svg(body + cells(6, top, 4, h) + (BASELINE if kind == "baseline" else ""))


CELL_PLACE = {"start": (3, 4), "center": (6, 4), "end": (9, 4), "stretch": (3, 10)}
GRID_CELLS = rect(1.5, 1.5, 13, 6) + rect(1.5, 8.5, 13, 6)


def justify_items(kind):
    x, w = CELL_PLACE[kind]
    return svg(GRID_CELLS + cells(x, 3, w, 3) + cells(x, 10, w, 3))


def justify_self(kind):
    # The lower cell's item; the upper one's stretches, as by default.
    body = GRID_CELLS + cells(3, 3, 10, 3, LIGHT)
    if kind == "auto":
        return svg(body + rect(3.5, 10.5, 9, 2, MARK))
    x, w = CELL_PLACE[kind]
    return svg(body + cells(x, 10, w, 3))


def box_sizing(kind):
    # The width measured over the content only, or over the padding and border too.
    left, right = (4.5, 11.5) if kind == "content-box" else (1.5, 14.5)
    return svg(rect(1.5, 4.5, 13, 10) + cells(4, 7, 8, 5) + line(left, 1.5, right, 1.5, MARK)
               + line(left, 0.5, left, 2.5, MARK) + line(right, 0.5, right, 2.5, MARK))


def object_fit(kind):
    # A picture wider than tall in a frame taller than wide; what runs out of the frame
    # is grey.
    frame = rect(3.5, 1.5, 9, 13)
    pictures = {
        "fill": cells(4, 2, 8, 12) + ellipse(8, 8, 2, 3),
        "contain": cells(4, 5, 8, 6) + dot(8, 8, 1.5),
        "cover": cells(0, 2, 16, 12, LIGHT) + cells(4, 2, 8, 12) + dot(8, 8, 3),
        "none": cells(2, 4, 12, 8, LIGHT) + cells(4, 4, 8, 8) + dot(8, 8, 2),
        "scale-down": cells(5, 6, 6, 4) + dot(8, 8, 1),
    }
    return svg(pictures[kind] + frame)


def overflow_axis(kind, axis):
    # Drawn for x, the content running out to the right; y is the same drawing turned
    # over its diagonal, the content running out at the bottom.
    def ln(x1, y1, x2, y2, color=INK, width=1):
        return line(x1, y1, x2, y2, color, width) if axis == "x" else line(y1, x1, y2, x2, color,
                                                                            width)

    def box(x, y, w, h, stroke=INK, fill="none"):
        return rect(x, y, w, h, stroke, fill) if axis == "x" else rect(y, x, h, w, stroke, fill)

    body = rect(2.5, 2.5, 11, 11)
    if kind == "visible":
        body += ln(4.5, 6.5, 15.5, 6.5, MARK) + ln(4.5, 9.5, 15.5, 9.5, MARK)
    elif kind == "hidden":
        body += ln(4.5, 6.5, 11.5, 6.5, MARK) + ln(4.5, 9.5, 11.5, 9.5, MARK)
    elif kind == "clip":
        # Cut at the edge, the edge drawn on past the box.
        body += (ln(4.5, 6.5, 12.5, 6.5, MARK) + ln(4.5, 9.5, 12.5, 9.5, MARK)
                 + ln(13.5, 0.5, 13.5, 15.5))
    elif kind == "scroll":
        body += (box(2.5, 10.5, 11, 3, INK, LIGHT) + box(4, 11, 5, 2, None, MARK)
                 + ln(4.5, 5.5, 11.5, 5.5) + ln(4.5, 8.5, 11.5, 8.5))
    else:  # auto: a scroll bar's place, when it is needed
        at = (8, 9) if axis == "x" else (6.5, 10.5)
        body += box(2.5, 10.5, 11, 3, LIGHT) + text(*at, "A", size=7, weight="bold", color=MARK)
    return svg(body)


LAYOUT = {
    "flex-direction": (flex_direction, ("row", "row-reverse", "column", "column-reverse")),
    "flex-wrap": (flex_wrap, ("nowrap", "wrap", "wrap-reverse")),
    "justify-content": (justify_content, tuple(JUSTIFY)),
    "align-items": (align_items, tuple(ALIGN)),
    "align-content": (align_content, tuple(CONTENT_LINES) + ("stretch",)),
    "align-self": (align_self, ("auto",) + tuple(SELF)),
    "justify-items": (justify_items, tuple(CELL_PLACE)),
    "justify-self": (justify_self, ("auto",) + tuple(CELL_PLACE)),
    "box-sizing": (box_sizing, ("content-box", "border-box")),
    "object-fit": (object_fit, ("fill", "contain", "cover", "none", "scale-down")),
    "overflow-x": (lambda k: overflow_axis(k, "x"), ("visible", "hidden", "clip", "scroll",
                                                     "auto")),
    "overflow-y": (lambda k: overflow_axis(k, "y"), ("visible", "hidden", "clip", "scroll",
                                                     "auto")),
}


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
# In a folder of their own, named by property and keyword: "layout/align-items-center".
for prop, (draw, keywords) in LAYOUT.items():
    for k in keywords:
        ICONS[f"layout/{prop}-{k}"] = draw(k)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "panel")
    folder = os.path.join(root, "icons")
    os.makedirs(folder, exist_ok=True)
    for name, body in ICONS.items():
        path = os.path.join(folder, name + ".svg")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(body)
    with open(os.path.join(root, "panel_icons.qrc"), "w") as f:
        f.write('<RCC>\n    <qresource prefix="/panel-icons">\n')
        for name in sorted(ICONS):
            f.write(f'        <file alias="{name}.svg">icons/{name}.svg</file>\n')
        f.write("    </qresource>\n</RCC>\n")
    print(len(ICONS), "icons", file=sys.stderr)


if __name__ == "__main__":
    main()
