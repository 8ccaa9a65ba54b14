#!/usr/bin/env python3
"""End-to-end tests of one game per records folder: a second start in the
folder of a running game brings that game's window back and ends, without
touching the records file; a killed game does not block the next start; a
game that does not answer is reported; another folder gets a game of its own.

Usage: one_game_test.py PATH/TO/vemo {same_folder,killed,stopped,other_folder}"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from play_test import check, failures, make_records_file, records_lines
from xsession import Session, wait_for

# A second start waits 2 s at most for the running game's answer; this is
# what it may take in all, start-up included, on a loaded machine.
SECOND_START_SECONDS = 10


def snapshot(path):
    """The file's bytes and everything a write or a replacement would change."""
    st = os.stat(path)
    with open(path, "rb") as f:
        return f.read(), st.st_mtime_ns, st.st_ino


def main_windows(s, pid=None):
    """Visible main windows of the program, of one process or of all."""
    found = s.xdotool("search", "--onlyvisible", *(["--pid", pid] if pid else ["--name", "^Vemo"])).split()
    return [w for w in found if "Geometry: 639x" in s.xdotool("getwindowgeometry", w)]


def message_box_of(s, pid):
    boxes = [w for w in s.xdotool("search", "--all", "--onlyvisible", "--pid", pid, "--name", "^Vemo$").split()
             if "Geometry: 639x" not in s.xdotool("getwindowgeometry", w)]
    return boxes[0] if boxes else None


def launch(s, folder, log_name):
    """Starts the program in `folder` beside the session's own game."""
    log = open(os.path.join(folder, log_name), "wb")
    proc = subprocess.Popen([s.program], cwd=folder, env=s.env, stdout=log, stderr=subprocess.STDOUT)
    s.procs.append(proc)
    return proc


def hand_over(s, folder, game_window, log_name):
    """A second start in the folder of the game whose window is `game_window`,
    minimised first: it must end with 0 and bring that window back."""
    s.xdotool("windowminimize", "--sync", game_window)
    check(wait_for(lambda: game_window not in main_windows(s), 5), "the running game's window is minimised")
    started = time.monotonic()
    second = launch(s, folder, log_name)
    ended = wait_for(lambda: second.poll() is not None, SECOND_START_SECONDS)
    took = time.monotonic() - started
    check(ended and second.returncode == 0,
          f"the second start ends with status 0 ({second.poll()}, after {took:.2f} s)")
    check(wait_for(lambda: game_window in main_windows(s), 5), "the running game's window is shown again")
    return second


def fresh_folder(program):
    work = tempfile.mkdtemp(prefix="vemo-e2e-")
    make_records_file(program, work)
    return work


def game_in_fresh_folder(program):
    """A game past its start-up in a folder of its own with a records file:
    the session, the folder, the records file's path and its state then."""
    work = fresh_folder(program)
    path = os.path.join(work, "data")
    s = Session(program, workdir=work)
    try:
        s.start()
        time.sleep(1.5)
        return s, work, path, snapshot(path)
    except BaseException:
        s.stop()
        raise


def test_same_folder(program):
    """Two starts in one folder: one window, the second start gone at once,
    the records file untouched; the first game then writes what it played."""
    s, work, path, before = game_in_fresh_folder(program)
    try:
        hand_over(s, work, s.window, "second.log")
        check(main_windows(s) == [s.window], f"one game window on the screen ({len(main_windows(s))})")
        check(s.message_box() is None, "no message box")
        check(snapshot(path) == before, "the second start left the records file alone")
        check(sorted(os.listdir(work)) == ["data", "second.log", "vemo.log"], "no file of the lock in the folder")
        check(wait_for(lambda: s.xdotool("getactivewindow").strip() == s.window, 5),
              "the game's window has the keyboard again")

        # The first game goes on: «Звук» toggled there reaches the file at its close.
        _, lines = records_lines(path)
        options = lines[11]
        s.focus()
        s.key("ctrl+s")
        time.sleep(0.3)
        s.key("ctrl+q")
        check(wait_for(lambda: not s.running(), 15), "Ctrl+Q ends the first game")
        check(s.vemo.returncode == 0, f"with status 0 ({s.vemo.returncode})")
        _, lines = records_lines(path)
        flipped = (b"0" if options[:1] == b"1" else b"1") + options[1:]
        check(lines[11] == flipped, f"the file has the first game's options ({options} -> {lines[11]})")
    finally:
        s.stop()


def test_killed(program):
    """A game killed with SIGKILL leaves the folder free: the next start plays,
    and a start after that reaches the new game."""
    s = Session(program, workdir=fresh_folder(program))
    try:
        s.start()
        s.vemo.send_signal(signal.SIGKILL)
        s.vemo.wait()
        check(wait_for(lambda: not main_windows(s), 5), "the killed game's window is gone")
        started = time.monotonic()
        s.start()
        print(f"info: the next start showed its window after {time.monotonic() - started:.2f} s", flush=True)
        time.sleep(1.5)
        check(s.message_box() is None, "without a message box")
        s.focus()
        s.key("F1")
        check(wait_for(lambda: s.caption() == "Vemo score : 0", 5), "F1 starts a game")
        time.sleep(1.5)
        check(len(s.grab().well()) >= 4, "the falling piece shows in the well")
        # The killed game's socket was replaced by the new game's.
        hand_over(s, s.work, s.window, "third.log")
        check(main_windows(s) == [s.window], "still one game window")
        check(s.running(), "the new game still runs")
    finally:
        s.stop()


def test_stopped(program):
    """A running game that cannot answer (stopped): the second start says so in
    a message box, ends after OK, and never touches the records file."""
    s, work, path, before = game_in_fresh_folder(program)
    try:
        s.vemo.send_signal(signal.SIGSTOP)
        started = time.monotonic()
        second = launch(s, work, "second.log")
        box = wait_for(lambda: message_box_of(s, second.pid), SECOND_START_SECONDS)
        took = time.monotonic() - started
        check(box is not None, f"the second start shows a message box ({took:.2f} s)")
        check(took >= 1.5, "after waiting for the answer")
        check(main_windows(s) == [s.window], "and no game window of its own")
        if box:
            s.xdotool("windowactivate", "--sync", box)
            s.key("Return")
        check(wait_for(lambda: second.poll() is not None, 5), "OK ends the second start")
        check(second.returncode == 0, f"with status 0 ({second.returncode})")
        s.vemo.send_signal(signal.SIGCONT)
        time.sleep(0.5)
        check(s.running(), "the first game goes on")
        check(snapshot(path) == before, "the records file is untouched")
    finally:
        s.vemo.send_signal(signal.SIGCONT)
        s.stop()


def test_other_folder(program):
    """A start in another folder while a game runs opens its own game; a start
    in that folder then reaches that game, not the first."""
    first_work = fresh_folder(program)
    other = tempfile.mkdtemp(prefix="vemo-e2e-")
    shutil.copy(os.path.join(first_work, "data"), other)
    s = Session(program, workdir=first_work)
    try:
        s.start()
        game = launch(s, other, "vemo.log")
        windows = wait_for(lambda: main_windows(s, game.pid), 20)
        check(bool(windows), "the game in the other folder shows its window")
        check(len(main_windows(s)) == 2, f"two game windows on the screen ({len(main_windows(s))})")
        time.sleep(1.5)
        check(s.running() and game.poll() is None, "both games run")
        if windows:
            hand_over(s, other, windows[0], "second.log")
            check(len(main_windows(s)) == 2, "still two game windows")
            check(s.running() and game.poll() is None, "both games still run")
        game.terminate()
        game.wait(15)
    finally:
        s.stop()
        shutil.rmtree(other, ignore_errors=True)


def main():
    program, which = sys.argv[1], sys.argv[2]
    {"same_folder": test_same_folder, "killed": test_killed, "stopped": test_stopped,
     "other_folder": test_other_folder}[which](program)
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)


if __name__ == "__main__":
    main()
