#!/usr/bin/env python3
"""End-to-end tests of the player leaving a game, with real X focus changes:
another program's window activated while an arrow key is held pauses the
game and releases the key (Up stops turning the piece, Down ends the fast drop); an opened menu releases the key but the game goes
on; the program's own dialog does not pause either.

Usage: leave_test.py PATH/TO/vemo {away,menu}"""

import subprocess
import sys
import time

from play_test import check, failures, identify
from xsession import Session, wait_for


def piece(s):
    """The falling piece's cells in a well that holds nothing else."""
    cells = s.grab().well()
    return cells if len(cells) == 4 else None


def windows_shown(s):
    """How many windows of the program show: the main window, menus, dialogs."""
    return len(s.xdotool("search", "--onlyvisible", "--pid", s.vemo.pid).split())


def columns(cells):
    return min(c for c, _ in cells), max(c for c, _ in cells)


def top_row(cells):
    return min(r for _, r in cells)


def changes_within(s, seconds):
    """True when the well changes within `seconds` (the game runs)."""
    first = s.grab().well()
    return bool(wait_for(lambda: s.grab().well() != first, seconds, 0.1))


def ready(program):
    s = Session(program)
    s.start()
    wait_for(s.message_box, 10)  # no records file: the error box
    s.key("Return")
    wait_for(lambda: s.message_box() is None, 5)
    s.focus()
    s.click(600, 300)  # on to the playing screen
    time.sleep(0.5)
    return s


def fresh_game(s):
    s.key("F1")
    return wait_for(lambda: piece(s), 5)


def test_away(program):
    s = ready(program)
    other = subprocess.Popen(["xmessage", "-name", "elsewhere", "-geometry", "+0+0", "another program"],
                             env=s.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    s.procs.append(other)
    try:
        elsewhere = wait_for(lambda: s.windows_named("elsewhere"), 10)
        check(bool(elsewhere), "a second program's window shows")
        elsewhere = elsewhere[0]
        s.focus()

        # Up held long enough for the keyboard to repeat it, which rotates the
        # piece at the rotation timer's pace, when the focus goes: the
        # rotation stops with the pause, it does not go on behind it.
        for _ in range(20):
            cells = fresh_game(s)
            if cells and identify(cells)[0] not in (None, "C"):
                break
        s.keydown("Up")
        time.sleep(1.2)
        s.xdotool("windowactivate", "--sync", elsewhere)
        s.keyup("Up")  # reaches the other program
        time.sleep(0.8)  # the window system tells of the focus change a little later
        away = s.grab().well()
        looks = [s.grab().well() for _ in range(10)]
        check(all(look == away for look in looks), "while the player is away the piece neither falls nor turns")

        # Coming back resumes nothing; Del does.
        s.focus()
        time.sleep(1.2)
        check(s.grab().well() == away, "coming back does not resume the game")
        s.key("Delete")
        check(changes_within(s, 2), "Del resumes the game")

        # Down held (the fast drop) when the focus goes: after the resume the
        # piece falls at the level's pace, not at the fast drop's.
        start = fresh_game(s)
        s.xdotool("keydown", "Down", "windowactivate", "--sync", elsewhere)
        time.sleep(0.3)
        s.keyup("Down")
        s.focus()
        before = piece(s)
        s.key("Delete")
        time.sleep(1.0)
        after = piece(s)
        check(start is not None and before is not None and after is not None and top_row(after) - top_row(before) <= 3,
              f"no fast drop after the resume ({before} then {after})")
    finally:
        s.stop()


def test_menu(program):
    s = ready(program)
    try:
        # An opened menu takes the keyboard: the held key is released, the game goes on.
        check(fresh_game(s) is not None, "a game runs")
        s.keydown("Left")
        time.sleep(1.2)
        s.keyup("Left")
        s.xdotool("keydown", "Right", "key", "F10")
        menu_open = wait_for(lambda: windows_shown(s) >= 2, 5)
        check(bool(menu_open), "F10 opens a menu")
        s.keyup("Right")
        time.sleep(0.3)
        check(changes_within(s, 2), "the game goes on behind the open menu")
        cells = piece(s)
        check(cells is not None and columns(cells)[1] < 9, f"the held Right key was released ({cells})")
        s.key("Escape")
        wait_for(lambda: windows_shown(s) == 1, 5)

        # The program's own dialog over the game pauses nothing.
        s.focus()
        fresh_game(s)
        s.key("ctrl+r")
        dialog = wait_for(lambda: windows_shown(s) >= 2, 5)
        check(bool(dialog), "Ctrl+R opens the field-size dialog")
        check(changes_within(s, 2), "the game goes on behind the dialog")
        s.key("Escape")
        wait_for(lambda: windows_shown(s) == 1, 5)
        s.focus()
        check(changes_within(s, 2), "and after it, without a resume")
    finally:
        s.stop()


def main():
    program, which = sys.argv[1], sys.argv[2]
    {"away": test_away, "menu": test_menu}[which](program)
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)


if __name__ == "__main__":
    main()
