#!/usr/bin/env python3
"""Time from a click on the panel to the sheet on disk and to the page, in the real window.

The real tesselo runs under its own Xvfb with a home of its own, on a copy of Bootstrap 5
(Debian's libjs-bootstrap5) that a page beside it links; automatic refresh is on and the
preview's helper program shows the page. The pointer clicks the panel's "center" button
of text alignment on the rule "hr" near the top of the sheet, again and again: each
click sets the alignment or takes it away. For each click:

  file  the sheet's modification time on disk (the kernel's clock) less the click's time
  page  the moment the page's own script first sees the hr's computed text-align change
        (a loop of its own in the page, on the same clock) less the click's time

The click is sent straight to the X server (XTest), its time taken just before. The page
is read and watched through QtWebEngine's remote debugging port.

Usage: bench/page-time.py [--clicks N] [--build-dir DIR]
"""
import argparse
import ctypes
import importlib.util
import json
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
BOOTSTRAP = Path("/usr/share/javascript/bootstrap5/css/bootstrap.css")
CENTER_BUTTON = (501, 119)  # the text alignment's "center" on the panel's tool bar

helper = importlib.util.spec_from_file_location("e2e_helper", ROOT / "scripts" / "e2e-helper.py")
cdp = importlib.util.module_from_spec(helper)
helper.loader.exec_module(cdp)


class Page:
    """The page the preview shows, through the remote debugging port."""

    def __init__(self, port):
        deadline = time.monotonic() + 60
        while True:
            try:
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=5) as reply:
                    pages = [t for t in json.load(reply)
                             if t.get("type") == "page" and t.get("url", "").startswith("file:")]
                if pages:
                    break
            except OSError:
                pass
            if time.monotonic() > deadline:
                sys.exit("the preview shows no page")
            time.sleep(0.5)
        self.sock = cdp.websocket(pages[0]["webSocketDebuggerUrl"])
        self.next_id = 0

    def eval(self, expression):
        self.next_id += 1
        cdp.send_text(self.sock, json.dumps({
            "id": self.next_id, "method": "Runtime.evaluate",
            "params": {"expression": expression, "returnByValue": True}}))
        while True:
            message = json.loads(cdp.receive_text(self.sock))
            if message.get("id") == self.next_id:
                return message["result"]["result"].get("value")


class Pointer:
    """Clicks sent to the X server with XTest, at a point of a window."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("no X display")

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x11.XFlush(self.display)

    def click(self):
        """Presses and releases the button; the time just before the press, in ns."""
        at = time.time_ns()
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XFlush(self.display)
        return at


def main_window():
    """The main window's id and its top left corner on the screen."""
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
        for line in tree.splitlines():
            if '"Tesselo 1.0 beta' in line:
                info = subprocess.run(["xwininfo", "-id", line.split()[0]],
                                      capture_output=True, text=True).stdout
                values = dict(l.strip().split(":", 1) for l in info.splitlines() if ":" in l)
                width = int(values.get("Width", "0"))
                if width > 600:
                    return (int(values["Absolute upper-left X"]),
                            int(values["Absolute upper-left Y"]))
        time.sleep(0.5)
    sys.exit("the main window did not come")


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(share * (len(ordered) - 1))))]


def measure(build, clicks):
    work = Path(tempfile.mkdtemp(prefix="tesselo-page-time-"))
    app = None
    try:
        site = work / "site"
        site.mkdir()
        sheet = site / "bootstrap.css"
        shutil.copyfile(BOOTSTRAP, sheet)
        (site / "index.html").write_text(
            "<!doctype html><html><head><meta charset=\"utf-8\"><title>time</title>"
            "<link rel=\"stylesheet\" href=\"bootstrap.css\"></head>"
            "<body><h1>Heading</h1><hr><p>Text of the page.</p></body></html>\n")
        config = work / "home" / ".config"
        (config / "Velmor").mkdir(parents=True)
        (work / "runtime").mkdir(mode=0o700)
        (config / "Velmor" / "Tesselo.conf").write_text(
            f"[General]\nPathToLastFile={sheet}\nLastNameStyle=hr\n\n"
            f"[Init]\nAutoRefresh=1\nViewer=3\nHomePage=file://{site}/index.html\n"
            # A list of a known width, so that the panel's buttons stand where known.
            "PanelListWidth=200\nLeft=0\nTop=0\nWidth=1200\nHeight=760\n")
        port = 20000 + os.getpid() % 20000
        env = dict(os.environ, HOME=str(work / "home"), XDG_CONFIG_HOME=str(config),
                   XDG_RUNTIME_DIR=str(work / "runtime"), QTWEBENGINE_REMOTE_DEBUGGING=str(port),
                   QTWEBENGINE_CHROMIUM_FLAGS=os.environ.get("QTWEBENGINE_CHROMIUM_FLAGS",
                                                             "--disable-gpu"))
        env.pop("QT_QPA_PLATFORM", None)
        app = subprocess.Popen([str(build / "bin" / "tesselo")], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        left, top = main_window()
        page = Page(port)
        while page.eval("document.readyState") != "complete":
            time.sleep(0.2)
        time.sleep(2)  # the window settles: its first rule shown, the helper idle
        # The page's own loop: each turn reads the computed alignment and notes, on the
        # clock of the machine, the moment it differs from the turn before.
        page.eval("""(() => {
            window.seen = [];
            const watched = document.querySelector("hr");
            let last = getComputedStyle(watched).textAlign;
            const channel = new MessageChannel();
            channel.port1.onmessage = () => {
                const now = getComputedStyle(watched).textAlign;
                if (now !== last) {
                    last = now;
                    window.seen.push([performance.timeOrigin + performance.now(), now]);
                }
                channel.port2.postMessage(0);
            };
            channel.port2.postMessage(0);
            return 1;
        })()""")
        pointer = Pointer()
        pointer.move(left + CENTER_BUTTON[0], top + CENTER_BUTTON[1])
        time.sleep(0.3)
        files, pages = [], []
        for i in range(clicks):
            before = sheet.stat().st_mtime_ns
            clicked = pointer.click()
            deadline = time.monotonic() + 10
            while True:
                seen = page.eval("window.seen.length")
                written = sheet.stat().st_mtime_ns
                if seen == i + 1 and written != before:
                    break
                if time.monotonic() > deadline:
                    sys.exit(f"click {i + 1}: the page saw {seen} changes, the file "
                             f"{'was' if written != before else 'was not'} written")
                time.sleep(0.05)
            at, value = page.eval(f"window.seen[{i}]")
            files.append((written - clicked) / 1e6)
            pages.append(at - clicked / 1e6)
            print(f"click {i + 1:2}: file {files[-1]:6.1f} ms, page {pages[-1]:6.1f} ms "
                  f"(text-align: {value})", flush=True)
            time.sleep(0.4)
        return files, pages
    finally:
        if app:
            app.kill()
            app.wait()
        shutil.rmtree(work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--clicks", type=int, default=12)
    parser.add_argument("--build-dir", type=Path, default=ROOT / "build")
    args = parser.parse_args()
    if not BOOTSTRAP.exists():
        sys.exit(f"{BOOTSTRAP} is missing: install libjs-bootstrap5 (scripts/deps.sh does)")
    if not os.environ.get("TESSELO_PAGE_TIME_INSIDE"):
        os.environ["TESSELO_PAGE_TIME_INSIDE"] = "1"
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24",
                               sys.executable, *sys.argv])
    files, pages = measure(args.build_dir.resolve(), args.clicks)
    print(f"\n{len(files)} clicks on Bootstrap 5 ({BOOTSTRAP.stat().st_size // 1024} KB)")
    for name, values in (("click to file", files), ("click to page", pages)):
        print(f"{name:14} median {statistics.median(values):6.1f} ms   "
              f"95th percentile {percentile(values, 0.95):6.1f} ms   "
              f"range {min(values):.1f}-{max(values):.1f} ms")


if __name__ == "__main__":
    main()
