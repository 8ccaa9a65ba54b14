#!/usr/bin/env python3
"""End-to-end tests of the real program on a private X server, with real X
key and mouse events. Timings are judged within generous bands: the server's
key repeat and the machine's load vary.

Usage: play_test.py PATH/TO/vemo {session,shallow,sigterm,keys}"""

import os
import signal
import sys
import time

from xsession import Session, wait_for

failures = []


def check(condition, what):
    print(("ok: " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def records_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    return data, data.split(b"\r\n")


def make_records_file(program, workdir):
    """Runs the program once without a records file and closes it, which
    writes one from the built-in state."""
    s = Session(program, workdir=workdir)
    try:
        s.start()
        wait_for(s.message_box, 10)
        s.key("Return")
        s.focus()
        s.key("ctrl+q")
        wait_for(lambda: not s.running(), 15)
    finally:
        # Keep the folder: the caller goes on in it.
        for proc in reversed(s.procs):
            if proc.poll() is None:
                proc.terminate()
                proc.wait()


def test_session(program):
    """No records file: the error box, then a click, a game, and Ctrl+Q writes the file."""
    s = Session(program)
    try:
        s.start()
        box = wait_for(s.message_box, 10)
        check(box is not None, "the missing records file is reported")
        s.key("Return")
        check(wait_for(lambda: s.message_box() is None, 5), "the error box closes with Enter")
        s.focus()
        s.click(600, 300)  # the free area right of the title
        time.sleep(0.3)
        s.key("F1")
        check(wait_for(lambda: s.caption() == "Vemo score : 0", 5), "F1 starts a game: the caption shows the score")
        time.sleep(2)
        check(len(s.grab().well()) >= 4, "the falling piece shows in the well")
        s.key("ctrl+q")
        check(wait_for(lambda: not s.running(), 15), "Ctrl+Q ends the program")
        path = os.path.join(s.work, "data")
        check(os.path.exists(path), "closing wrote the records file")
        if os.path.exists(path):
            data, lines = records_lines(path)
            check(data.endswith(b"\r\n") and len(lines) == 41, "40 lines, each ended by CR LF")
            check(lines[11] == b"1110111" and lines[12] == b"15", "the options and the field size")
            check(all(line == b"0000" for line in lines[15:25]), "the built-in scores")
    finally:
        s.stop()


def test_shallow(program):
    """A 16-bit display: the warning about a second after launch, then the end, no file."""
    s = Session(program, depth=16)
    try:
        started = time.monotonic()
        s.start()
        box = wait_for(s.message_box, 10)
        shown = time.monotonic() - started
        check(box is not None, "the colour-depth warning shows")
        check(0.5 <= shown <= 6, f"about a second after launch ({shown:.2f} s)")
        s.xdotool("windowactivate", "--sync", box)
        s.key("Return")
        check(wait_for(lambda: not s.running(), 10), "after OK the program has ended")
        check(not os.path.exists(os.path.join(s.work, "data")), "no records file was created")
    finally:
        s.stop()


def test_sigterm(program):
    """SIGTERM during a game: the closing sequence runs and the file is written."""
    s = Session(program)
    try:
        s.start()
        wait_for(s.message_box, 10)
        s.key("Return")
        s.focus()
        s.key("F3")
        check(wait_for(lambda: s.caption().startswith("Vemo score"), 5), "a game runs")
        time.sleep(1)
        s.vemo.send_signal(signal.SIGTERM)
        check(wait_for(lambda: not s.running(), 15), "SIGTERM ends the program")
        check(s.vemo.returncode == 0, f"a clean end (status {s.vemo.returncode})")
        check(os.path.exists(os.path.join(s.work, "data")), "SIGTERM wrote the records file")
    finally:
        s.stop()


def test_sigterm_readonly(program):
    """SIGTERM when the records file cannot be written: the program still ends,
    says why on stderr, and leaves the old file whole."""
    import tempfile
    work = tempfile.mkdtemp(prefix="vemo-e2e-")
    make_records_file(program, work)
    path = os.path.join(work, "data")
    with open(path, "rb") as f:
        old = f.read()
    os.chmod(path, 0o444)
    s = Session(program, workdir=work)
    try:
        s.start()
        time.sleep(3)
        s.focus()
        s.key("F2")
        time.sleep(0.5)
        s.vemo.send_signal(signal.SIGTERM)
        check(wait_for(lambda: not s.running(), 15), "SIGTERM ends the program although the file cannot be written")
        check(s.vemo.returncode == 1, f"with a failure status ({s.vemo.returncode})")
        with open(os.path.join(work, "vemo.log"), "rb") as f:
            log = f.read()
        check(b"Cannot create file data" in log, "stderr says why")
        with open(path, "rb") as f:
            check(f.read() == old, "the old file stays whole")
    finally:
        os.chmod(path, 0o644)
        s.stop()


# The pieces as drawn, phase by phase; the shape of a phase is what the
# well shows, moved to its top-left corner.
PIECES = {
    "GR": ["##/.#/.#", ".../..#/###", "#./#./##", ".../###/#.."],
    "GL": ["##/#./#.", ".../###/..#", ".#/.#/##", ".../#../###"],
    "ZR": [".../##./.##", ".#/##/#.", ".../##./.##", ".#/##/#."],
    "ZL": [".../.##/##.", ".#./.##/..#", ".../.##/##.", ".#./.##/..#"],
    "K": [".#./###", ".#./.##/.#.", ".../###/.#.", ".#/##/.#"],
    "C": ["##/##"] * 4,
    "L": ["..../..../####", "..#/..#/..#/..#", "..../..../####", "..#/..#/..#/..#"],
}


def normalised(cells):
    if not cells:
        return frozenset()
    c0 = min(c for c, _ in cells)
    r0 = min(r for _, r in cells)
    return frozenset((c - c0, r - r0) for c, r in cells)


def pattern_cells(pattern):
    return normalised({(c, r) for r, row in enumerate(pattern.split("/")) for c, ch in enumerate(row) if ch == "#"})


def identify(cells):
    """(shape, phases) whose drawing matches the cells."""
    shape = normalised(cells)
    for name, phases in PIECES.items():
        matching = [i + 1 for i, p in enumerate(phases) if pattern_cells(p) == shape]
        if matching:
            return name, matching
    return None, []


def test_keys(program):
    """Holding Right carries the piece to the wall; a short tap moves one column
    at the release; holding Up rotates at once, then again and again."""
    import tempfile
    work = tempfile.mkdtemp(prefix="vemo-e2e-")
    make_records_file(program, work)
    s = Session(program, workdir=work)
    try:
        s.start()
        time.sleep(3.5)  # the start-up: one second, the wipe, the playing screen
        check(s.message_box() is None, "the records file was read without a message")
        s.focus()

        def fresh_game(rotatable):
            for _ in range(20):
                s.key("F1")
                cells = wait_for(lambda: (lambda w: w if len(w) == 4 else None)(s.grab().well()), 3)
                name, _ = identify(cells or set())
                if cells and name and (not rotatable or name != "C"):
                    return cells, name
            raise RuntimeError("no usable piece")

        # A tap shorter than the first step's delay: exactly one column, at the release.
        before, name = fresh_game(False)
        s.keydown("Right")
        s.keyup("Right")
        time.sleep(0.15)
        after = s.grab().well()
        check(normalised(after) == normalised(before) and
              min(c for c, _ in after) == min(c for c, _ in before) + 1,
              f"a tap of Right moves the {name} exactly one column")

        # Holding Right: to the wall, and no further.
        s.keydown("Right")
        time.sleep(1.2)
        held = s.grab().well()
        s.keyup("Right")
        check(max(c for c, _ in held) == 9, "holding Right carries the piece to the wall")
        time.sleep(0.2)
        check(max(c for c, _ in s.grab().well()) == 9, "and it stays there after the release")

        s.keydown("Left")
        time.sleep(1.2)
        s.keyup("Left")
        time.sleep(0.1)
        check(min(c for c, _ in s.grab().well()) == 0, "holding Left carries it to column 0")

        # Up: one rotation at the press, before the keyboard repeats.
        before, name = fresh_game(True)
        s.keydown("Up")
        time.sleep(0.25)
        once = s.grab().well()
        s.keyup("Up")
        _, phases_before = identify(before)
        _, phases_once = identify(once)
        nxt = {p % 4 + 1 for p in phases_before}
        check(bool(nxt & set(phases_once)), f"a press of Up turns the {name} once at once")

        # Held Up: once the keyboard repeats, it keeps turning at the rotation timer's pace.
        s.keydown("Up")
        time.sleep(0.8)  # past the server's first repeat delay
        shapes = []
        end = time.monotonic() + 1.5
        while time.monotonic() < end:
            shapes.append(normalised(s.grab().well()))
        s.keyup("Up")
        changes = sum(1 for a, b in zip(shapes, shapes[1:]) if a != b)
        check(changes >= 3, f"holding Up keeps rotating ({changes} changes in {len(shapes)} looks)")
        time.sleep(0.3)
        a = normalised(s.grab().well())
        time.sleep(0.4)
        b = normalised(s.grab().well())
        check(a == b, "after the release the piece stops turning")
    finally:
        s.stop()


def main():
    program, which = sys.argv[1], sys.argv[2]
    {"session": test_session, "shallow": test_shallow, "sigterm": test_sigterm,
     "sigterm_readonly": test_sigterm_readonly, "keys": test_keys}[which](program)
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)


if __name__ == "__main__":
    main()
