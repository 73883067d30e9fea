#!/usr/bin/env python3
"""Start-up of the editor, measured side by side under one Xvfb.

Every run is timed from the spawn of the program to the "first-shown" line it prints on
stderr when its main window is first shown (TESSELO_REPORT_FIRST_SHOW=exit: it leaves
right after). CPU time (user + system) and peak memory (ru_maxrss) are those of the
spawned process; processes it leaves behind are counted apart.

  --mode floor               the editor against build/bin/tesselo_startup_floor (a bare
                             Qt window listing the rules) on a 1000-rule sheet, the
                             editor's settings already there (a returning start)
  --mode first-vs-returning  the editor's first start (no settings) against a returning
                             one (the settings its close wrote), on sheets of 10,000 and
                             100,000 rules and on one with a 10 MB selector

Every start finds the sheet as the editor's close leaves it: no backup copy
(<sheet>.ORIGINAL) and no lock beside it.

Usage: bench/startup.py [--mode MODE] [--runs N] [--build] [--build-dir DIR]
"""
import argparse
import ctypes
import os
import selectors
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WALL_GOAL, MEMORY_GOAL = 1.3, 1.5
RUN_TIMEOUT = 600.0
PR_SET_CHILD_SUBREAPER = 36


def rule(i):
    return (f".rule-{i} > a:hover {{\n  color: #336699;\n  margin-top: {i % 20}px;\n"
            f"  font-family: Arial, sans-serif;\n  cursor: pointer;\n}}\n")


def write_rules(path, count):
    with open(path, "w", encoding="utf-8") as f:
        f.writelines(rule(i) for i in range(count))


def write_big_selector(path, size):
    """One rule whose selector list is SIZE bytes, then a hundred ordinary ones."""
    parts, length, i = [], 0, 0
    while length < size:
        part = f".item-{i} > a:hover"
        parts.append(part)
        length += len(part) + 2
        i += 1
    with open(path, "w", encoding="utf-8") as f:
        f.write(", ".join(parts))
        f.write(" {\n  color: #336699;\n  margin-top: 4px;\n"
                "  font-family: Arial, sans-serif;\n  cursor: pointer;\n}\n")
        f.writelines(rule(i) for i in range(100))


class Measure:
    def __init__(self, wall_ms, cpu_ms, rss_mb, helpers):
        self.wall_ms, self.cpu_ms, self.rss_mb = wall_ms, cpu_ms, rss_mb
        # Processes left behind: their count, CPU time and the sum of their peaks.
        self.helpers = helpers


def children_of(pid):
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            found.append(int(entry))
    return found


def drain(stream):
    while os.read(stream, 65536):
        pass
    os.close(stream)


def wait_with_timeout(pid, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        done, _, usage = os.wait4(pid, os.WNOHANG)
        if done:
            return usage
        time.sleep(0.02)
    return None


def reap_leftovers(keep):
    """Ends the processes a run left behind (this script is their subreaper), one pid at
    a time, and sums what their rusage says."""
    count, cpu, rss = 0, 0.0, 0.0
    for _ in range(20):
        left = [p for p in children_of(os.getpid()) if p not in keep]
        if not left:
            break
        for pid in left:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for pid in left:
            usage = wait_with_timeout(pid, 5)
            if usage is None:
                os.kill(pid, signal.SIGKILL)
                _, _, usage = os.wait4(pid, 0)
            count += 1
            cpu += (usage.ru_utime + usage.ru_stime) * 1000
            rss += usage.ru_maxrss / 1024
    return count, cpu, rss


class Bench:
    def __init__(self, build_dir, work):
        self.editor = build_dir / "bin" / "tesselo"
        self.floor = build_dir / "bin" / "tesselo_startup_floor"
        for program in (self.editor, self.floor):
            if not os.access(program, os.X_OK):
                sys.exit(f"{program} is missing: build first, or pass --build")
        self.work = work
        self.runtime = work / "runtime"
        self.runtime.mkdir(mode=0o700)
        os.chmod(self.runtime, 0o700)
        self.xvfb = None
        self.display = None

    def start_display(self):
        for number in range(90, 200):
            if (Path(f"/tmp/.X{number}-lock").exists() or
                    Path(f"/tmp/.X11-unix/X{number}").exists()):
                continue
            xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x800x24",
                                     "-nolisten", "tcp"],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.monotonic() + 10
            while xvfb.poll() is None and time.monotonic() < deadline:
                if Path(f"/tmp/.X11-unix/X{number}").exists():
                    self.xvfb, self.display = xvfb, f":{number}"
                    time.sleep(0.2)
                    return
                time.sleep(0.05)
            if xvfb.poll() is None:
                xvfb.kill()
            xvfb.wait()
        sys.exit("no free X display for Xvfb")

    def stop_display(self):
        if self.xvfb:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()

    def environment(self, home, report):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb", QTWEBENGINE_DISABLE_SANDBOX="1",
                   XDG_RUNTIME_DIR=str(self.runtime), XDG_CONFIG_HOME=str(home / "config"),
                   XDG_CACHE_HOME=str(home / "cache"), XDG_DATA_HOME=str(home / "data"),
                   TESSELO_REPORT_FIRST_SHOW=report)
        return env

    def spawn(self, program, sheet, env):
        read_end, write_end = os.pipe()
        actions = [(os.POSIX_SPAWN_OPEN, 0, "/dev/null", os.O_RDONLY, 0),
                   (os.POSIX_SPAWN_OPEN, 1, "/dev/null", os.O_WRONLY, 0),
                   (os.POSIX_SPAWN_DUP2, write_end, 2)]
        start = time.time_ns()
        pid = os.posix_spawn(str(program), [str(program), str(sheet)], env,
                             file_actions=actions, setsid=True)
        os.close(write_end)
        return pid, start, read_end

    @staticmethod
    def wait_first_shown(pid, stream, name, keep_reading=False):
        """The time the program reported, in ns since the epoch. Stderr is read until
        then only, as processes left behind may hold it open; with KEEP_READING the rest
        is read on, and dropped, until the last writer is gone."""
        text = b""
        with selectors.DefaultSelector() as poll:
            poll.register(stream, selectors.EVENT_READ)
            deadline = time.monotonic() + RUN_TIMEOUT
            while True:
                for line in text.split(b"\n")[:-1]:
                    if line.startswith(b"first-shown "):
                        if keep_reading:
                            threading.Thread(target=drain, args=(stream,), daemon=True).start()
                        else:
                            os.close(stream)
                        return int(line.split()[1])
                left = deadline - time.monotonic()
                chunk = os.read(stream, 65536) if left > 0 and poll.select(left) else None
                if not chunk:
                    break
                text += chunk
        os.close(stream)
        done, _, _ = os.waitpid(pid, os.WNOHANG)
        if not done:
            os.kill(pid, signal.SIGKILL)
            os.waitpid(pid, 0)
        tail = b"\n".join(text.splitlines()[-10:]).decode(errors="replace")
        sys.exit(f"{name} never reported its first show"
                 f"{' within the time allowed' if not done else ''}:\n{tail}")

    def run(self, program, sheet, home):
        # Every start finds the sheet as the editor's close leaves it: no backup copy and
        # no lock beside it (the "exit" of the run before leaves both).
        sheet = Path(sheet)
        sheet.with_name(sheet.name + ".ORIGINAL").unlink(missing_ok=True)
        sheet.with_name(f".{sheet.name}.lock").unlink(missing_ok=True)
        pid, start, stream = self.spawn(program, sheet, self.environment(home, "exit"))
        shown = self.wait_first_shown(pid, stream, program.name)
        _, _, usage = os.wait4(pid, 0)
        helpers = reap_leftovers({self.xvfb.pid})
        return Measure((shown - start) / 1e6, (usage.ru_utime + usage.ru_stime) * 1000,
                       usage.ru_maxrss / 1024, helpers)

    def prepare_returning(self, sheet, home):
        """Starts the editor once on SHEET, untimed, and closes its window as a user
        does, so that the settings of a returning start are written to HOME."""
        pid, _, stream = self.spawn(self.editor, sheet, self.environment(home, "1"))
        self.wait_first_shown(pid, stream, self.editor.name, keep_reading=True)
        env = dict(os.environ, DISPLAY=self.display)
        deadline = time.monotonic() + 30
        windows = []
        while not windows and time.monotonic() < deadline:
            if os.wait4(pid, os.WNOHANG)[0]:
                reap_leftovers({self.xvfb.pid})
                sys.exit("the editor ended before its window was closed")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                                   env=env, capture_output=True, text=True)
            windows = found.stdout.split()
            if not windows:
                time.sleep(0.2)
        for window in windows:
            subprocess.run([sys.executable, str(ROOT / "scripts" / "e2e-helper.py"), "close",
                            window], env=env, check=False)
        if wait_with_timeout(pid, 60) is None:
            os.kill(pid, signal.SIGKILL)
            os.waitpid(pid, 0)
            reap_leftovers({self.xvfb.pid})
            sys.exit("the editor did not close its window: no returning start to measure")
        reap_leftovers({self.xvfb.pid})
        settings = home / "config" / "Velmor" / "Tesselo.conf"
        if "[Init]" not in (settings.read_text(errors="replace") if settings.exists() else ""):
            sys.exit(f"{settings} holds no window settings after a close")

    def first_start(self, sheet):
        """A start with no settings (and, as every run, no backup copy beside the sheet)."""
        home = Path(tempfile.mkdtemp(prefix="first-", dir=self.work))
        try:
            return self.run(self.editor, sheet, home)
        finally:
            shutil.rmtree(home, ignore_errors=True)


def spread(values):
    return statistics.median(values), min(values), max(values)


def cell(values, digits=0):
    median, low, high = spread(values)
    return f"{median:7.{digits}f}  {f'{low:.{digits}f}-{high:.{digits}f}':<13}"


def ratio(top, bottom):
    return statistics.median(top) / statistics.median(bottom)


def verdict(value, goal):
    return f"{value:5.2f}x (goal <= {goal}x: {'met' if value <= goal else 'NOT met'})"


def print_table(rows):
    titles = ("wall ms", "CPU ms", "peak RSS MB")
    print(f"{'':14}" + "".join(f" {title:<21}" for title in titles))
    print(f"{'':14}" + f"{'median':>7}  {'min-max':<13}" * 3)
    for name, measures in rows:
        print(f"{name:14}{cell([m.wall_ms for m in measures])}"
              f"{cell([m.cpu_ms for m in measures])}{cell([m.rss_mb for m in measures], 1)}")


def print_leftovers(rows):
    if not any(m.helpers[0] for _, measures in rows for m in measures):
        print("no run left a process behind: the figures are the whole program's")
    for name, measures in rows:
        counts = [m.helpers[0] for m in measures]
        if any(counts):
            print(f"{name}: left {statistics.median(counts):g} process(es) behind per run "
                  f"(median), not in the figures above: CPU "
                  f"{statistics.median(m.helpers[1] for m in measures):.0f} ms, sum of peak "
                  f"RSS {statistics.median(m.helpers[2] for m in measures):.1f} MB up to "
                  f"their end (medians)")


def floor_mode(bench, runs):
    sheet = bench.work / "sheet-1000.css"
    write_rules(sheet, 1000)
    home = bench.work / "returning"
    bench.prepare_returning(sheet, home)
    bench.run(bench.floor, sheet, home)  # warms the caches as the preparation did
    floor, editor = [], []
    for _ in range(runs):
        floor.append(bench.run(bench.floor, sheet, home))
        editor.append(bench.run(bench.editor, sheet, home))
    print(f"1000-rule sheet ({sheet.stat().st_size // 1024} KB), {runs} runs each, "
          f"interleaved, the editor's settings of a close kept (a returning start)")
    rows = [("floor", floor), ("editor", editor)]
    print_table(rows)
    wall = ratio([m.wall_ms for m in editor], [m.wall_ms for m in floor])
    cpu = ratio([m.cpu_ms for m in editor], [m.cpu_ms for m in floor])
    rss = ratio([m.rss_mb for m in editor], [m.rss_mb for m in floor])
    print(f"editor/floor  wall {verdict(wall, WALL_GOAL)}   CPU {cpu:5.2f}x   "
          f"memory {verdict(rss, MEMORY_GOAL)}")
    print_leftovers(rows)


def first_vs_returning_mode(bench, runs):
    sheets = [("10,000 rules", "sheet-10000.css", lambda p: write_rules(p, 10000)),
              ("100,000 rules", "sheet-100000.css", lambda p: write_rules(p, 100000)),
              ("10 MB selector", "selector-10mb.css",
               lambda p: write_big_selector(p, 10 << 20))]
    print(f"the editor's first start (no settings) against a returning one (the settings "
          f"of a close kept),\n{runs} runs each, interleaved, no backup copy beside the sheet")
    for title, name, write in sheets:
        sheet = bench.work / name
        write(sheet)
        home = bench.work / f"returning-{name}"
        bench.prepare_returning(sheet, home)
        first, returning = [], []
        for _ in range(runs):
            first.append(bench.first_start(sheet))
            returning.append(bench.run(bench.editor, sheet, home))
        print(f"\n{title} ({sheet.stat().st_size / (1 << 20):.1f} MB)")
        rows = [("first", first), ("returning", returning)]
        print_table(rows)
        print(f"first/return  wall "
              f"{ratio([m.wall_ms for m in first], [m.wall_ms for m in returning]):5.2f}x   "
              f"CPU {ratio([m.cpu_ms for m in first], [m.cpu_ms for m in returning]):5.2f}x   "
              f"memory "
              f"{ratio([m.rss_mb for m in first], [m.rss_mb for m in returning]):5.2f}x")
        print_leftovers(rows)
        sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--mode", choices=["floor", "first-vs-returning"], default="floor")
    parser.add_argument("--runs", type=int, default=10, help="timed runs of each (10)")
    parser.add_argument("--build", action="store_true",
                        help="install the packages and build first (scripts/build.sh)")
    parser.add_argument("--build-dir", type=Path, default=ROOT / "build")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    if args.build:
        subprocess.run([str(ROOT / "scripts" / "deps.sh")], check=True)
        subprocess.run([str(ROOT / "scripts" / "build.sh")], check=True,
                       stdout=subprocess.DEVNULL)
    # Processes a program leaves behind come to this script, to be counted and ended.
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
        sys.exit("prctl(PR_SET_CHILD_SUBREAPER) failed")
    work = Path(tempfile.mkdtemp(prefix="tesselo-startup-"))
    bench = Bench(args.build_dir.resolve(), work)
    try:
        bench.start_display()
        if args.mode == "floor":
            floor_mode(bench, args.runs)
        else:
            first_vs_returning_mode(bench, args.runs)
    finally:
        bench.stop_display()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
