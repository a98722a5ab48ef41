#!/usr/bin/python3
"""Times `tolva PAGE` on a 1 MB page until the page's text shows, end to end: the real
window on its own virtual display, watched through the accessibility bus as a screen
reader would see it. With gedit installed, the same page in gedit too.

Usage: scripts/bench-start.py [path/to/tolva] [runs]
Needs xvfb, dbus-x11, at-spi2-core and python3-pyatspi; run with /usr/bin/python3.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.environ.get("TOLVA_A11Y", "/work/shared/tools"))
import a11y  # noqa: E402
import pyatspi  # noqa: E402

LINE = ('<P ALIGN="LEFT">Some text of a hand-written page, <B>bold</B> and '
        '<A HREF="x.htm">a link</A>.</P>\r\n')
TAIL = "The last line of the page.</P>\r\n"
POLL = 0.02  # seconds between looks; the bus answers only when the program is free
LIMIT = 120.0


def write_page(path):
    text = LINE * (1024 * 1024 // len(LINE)) + TAIL
    with open(path, "w", newline="") as f:
        f.write(text)
    return text


def shown(session, text):
    """Whether some multi-line text of the program holds the whole page: its length
    (a line break counts one) and its last line."""
    want = len(text.replace("\r\n", "\n"))
    end = TAIL.replace("\r\n", "\n")
    for w in session.windows():
        for t in session.find_all(w, "text"):
            try:
                if not t.getState().contains(pyatspi.STATE_MULTI_LINE):
                    continue
                q = t.queryText()
                n = q.characterCount
                if n == want and q.getText(n - len(end), n) == end:
                    return True
            except Exception:
                continue
    return False


def one_run(argv, text):
    """Seconds from starting argv until the page shows."""
    s = a11y.Session(argv[0], argv[1:])
    try:
        # The program is the session's last step: the clock starts as it is started.
        start = time.monotonic()
        while time.monotonic() - start < LIMIT:
            if s.app.poll() is not None:
                raise a11y.Fail(f"{argv[0]} ended (exit {s.app.returncode})")
            if shown(s, text):
                return time.monotonic() - start
            time.sleep(POLL)
        raise a11y.Fail(f"the page did not show within {LIMIT:.0f} s")
    finally:
        s.close()


def timed(argv):
    """One run in a process of its own: the accessibility library stays on the first bus
    it meets, and every session brings its own."""
    out = subprocess.run([sys.executable, __file__, "--once", *argv], check=True,
                         capture_output=True, text=True).stdout
    return float(out.split()[-1])


def report(name, argv, runs):
    try:
        times = [timed(argv) for _ in range(runs)]
    except subprocess.CalledProcessError:
        # A program whose text is not on the accessibility bus never shows it to us.
        print(f"{name:<44} did not show its text on the accessibility bus", flush=True)
        return
    print(f"{name:<44} median {statistics.median(times) * 1000:8.0f} ms   "
          f"runs: {' '.join(f'{t * 1000:.0f}' for t in times)}", flush=True)


def main():
    if sys.argv[1:2] == ["--once"]:
        argv = sys.argv[2:]
        with open(argv[-1], newline="") as f:
            print(one_run(argv, f.read()))
        return
    exe = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/release/tolva")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    folder = tempfile.mkdtemp(prefix="tolva-start-")
    try:
        page = os.path.join(folder, "page.htm")
        write_page(page)
        report("tolva PAGE until the text shows (1 MB page)", [exe, page], runs)
        gedit = shutil.which("gedit")
        if gedit:
            report("gedit PAGE until the text shows (1 MB page)", [gedit, page], runs)
        else:
            print("gedit is not installed: no peer figure")
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
