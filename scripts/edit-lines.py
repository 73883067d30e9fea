#!/usr/bin/env python3
"""One panel edit in every rule of each sheet, as tesselo-dump --edit-one makes them:
how many lines of the files the edits touch, per edit, and how many lines of the
editor's own layout (";" lines and the marker line) "Текущий стиль" shows for them.

    scripts/edit-lines.py [--editor-layout] [--build DIR] [SHEET...]

Without sheets it measures the real sheets the tests use."""

import glob
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGED = [
    "bootstrap4/css/bootstrap.css", "bootstrap4/css/bootstrap-grid.css",
    "bootstrap4/css/bootstrap-reboot.min.css", "bootstrap5/css/bootstrap.css",
    "bootstrap5/css/bootstrap-grid.css", "bootstrap5/css/bootstrap-reboot.css",
    "jquery-ui/themes/base/jquery-ui.css", "jquery-ui/themes/base/theme.css",
    "normalize.css/normalize.css",
]
MARKER = b"/* properties without support of this version tesselo */"


def tagged(output, tag):
    prefix = tag + b"\t"
    return [line[len(prefix):] for line in output.split(b"\n") if line.startswith(prefix)]


def touched(old, new):
    """Lines changed, added or removed, as a minimal diff tells them: each hunk counts
    its longer side."""
    with tempfile.TemporaryDirectory() as work:
        paths = []
        for name, text in (("old", old), ("new", new)):
            paths.append(os.path.join(work, name))
            with open(paths[-1], "wb") as f:
                f.write(text)
        diff = subprocess.run(["diff", "--minimal", "-U0", *paths], capture_output=True).stdout
    lines = 0
    for hunk in re.finditer(rb"^@@ -\d+(?:,(\d+))? \+\d+(?:,(\d+))? @@", diff, re.M):
        removed = int(hunk.group(1)) if hunk.group(1) is not None else 1
        added = int(hunk.group(2)) if hunk.group(2) is not None else 1
        lines += max(removed, added)
    return lines


def main(argv):
    build = os.path.join(ROOT, "build")
    layout = []
    sheets = []
    args = iter(argv)
    for arg in args:
        if arg == "--editor-layout":
            layout = ["--editor-layout"]
        elif arg == "--build":
            build = next(args)
        else:
            sheets.append(arg)
    if not sheets:
        sheets = sorted(glob.glob(os.path.join(ROOT, "tests/data/sheets/*.css")))
        sheets += [os.path.join("/usr/share/javascript", s) for s in PACKAGED
                   if os.path.exists(os.path.join("/usr/share/javascript", s))]
    dump = os.path.join(build, "bin", "tesselo-dump")
    all_edits = all_lines = all_shown = 0
    for sheet in sheets:
        with open(sheet, "rb") as f:
            original = f.read().replace(b"\r\n", b"\n")
        edited = subprocess.run([dump, *layout, "--edit-one", sheet], check=True,
                                capture_output=True).stdout
        composed = b"\n".join(tagged(edited, b"sheet"))
        if original.endswith(b"\n"):
            composed += b"\n"
        edits = len(tagged(edited, b"edit"))
        lines = touched(original, composed)
        read = subprocess.run([dump, *layout, sheet], check=True, capture_output=True).stdout
        shown = sum(1 for line in tagged(read, b"memo")
                    if line.startswith(b";") or line.strip().lower() == MARKER)
        all_edits += edits
        all_lines += lines
        all_shown += shown
        per = lines / edits if edits else 0.0
        print(f"{os.path.relpath(sheet, ROOT) if sheet.startswith(ROOT) else sheet}\t"
              f"edits {edits}\tlines touched {lines}\tper edit {per:.2f}\t"
              f"layout lines shown {shown}")
    per = all_lines / all_edits if all_edits else 0.0
    print(f"all\tedits {all_edits}\tlines touched {all_lines}\tper edit {per:.2f}\t"
          f"layout lines shown {all_shown}")


if __name__ == "__main__":
    main(sys.argv[1:])
