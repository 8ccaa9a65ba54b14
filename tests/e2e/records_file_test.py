#!/usr/bin/env python3
"""End-to-end tests of the real program against records files it cannot use:
a FIFO, a link to an endless device, a file far too large, a directory, a
file it may not read, and a file it cannot write for lack of space. Each is
reported at start-up at once, the program stays small and answers SIGTERM,
and whatever stands at the path is replaced by the program's table only
where it can be written, or else left exactly as it was.

Usage: records_file_test.py PATH/TO/vemo {fifo,zero,big,directory,unreadable,full} [sanitized]"""

import os
import signal
import stat
import sys
import tempfile
import time

from play_test import check, failures, make_records_file, records_lines
from xsession import Session, wait_for

NOBODY = 65534
MIB = 1024 * 1024


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def uid_of(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("Uid:"):
                return int(line.split()[1])
    return None


def snapshot(path):
    """What stands at the path, enough to tell that nothing changed."""
    st = os.lstat(path)
    kind = stat.S_IFMT(st.st_mode)
    if stat.S_ISLNK(st.st_mode):
        return kind, os.readlink(path)
    if stat.S_ISREG(st.st_mode):
        with open(path, "rb") as f:
            return kind, st.st_mode, f.read()
    if stat.S_ISDIR(st.st_mode):
        return kind, st.st_mode, sorted(os.listdir(path))
    return kind, st.st_mode


def prepare(case, work, program):
    """Puts the case's `data` in place; returns the launch prefix and whether
    the program may write the path."""
    path = os.path.join(work, "data")
    if case == "fifo":
        os.mkfifo(path)
        return (), False
    if case == "zero":
        os.symlink("/dev/zero", path)
        return (), False
    if case == "big":
        # A good file but for 2 MiB of lines past the table, which a reading
        # would carry over without a word.
        make_records_file(program, work)
        with open(path, "ab") as f:
            f.write((b"x" * 1022 + b"\r\n") * 2048)
        return (), True
    if case == "directory":
        os.mkdir(path)
        return (), False
    if case == "unreadable":
        # As root every file is readable, so the program runs as nobody, in
        # a folder of nobody's, on a good file nobody may write but not read.
        make_records_file(program, work)
        os.chmod(path, 0o200)
        os.chown(path, NOBODY, NOBODY)
        os.chown(work, NOBODY, NOBODY)
        return ("setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"), True
    if case == "full":
        # A good file, read without a word; its replacement cannot be written
        # past the first 1024 bytes, and write() fails rather than the signal.
        make_records_file(program, work)
        return ("sh", "-c", 'ulimit -f 1; trap "" XFSZ; exec "$0"'), False
    raise ValueError(case)


def run_case(program, case, sanitized):
    work = tempfile.mkdtemp(prefix="vemo-e2e-")
    prefix, writable = prepare(case, work, program)
    path = os.path.join(work, "data")
    before = snapshot(path)
    s = Session(program, workdir=work)
    if case == "unreadable":
        s.env["HOME"] = work
    try:
        launched = time.monotonic()
        s.start(prefix)
        pid = s.vemo.pid
        wait_for(lambda: time.monotonic() - launched >= 1, 2)
        early = resident_mib(pid)
        box = wait_for(s.message_box, max(0.1, 3 - (time.monotonic() - launched)))
        wait_for(lambda: time.monotonic() - launched >= 3, 3)
        late = resident_mib(pid)
        check(s.running(), "the program still runs after 3 s")
        if case == "unreadable":
            check(uid_of(pid) == NOBODY, "it runs as an unprivileged user")
        check(late - early < 16, f"resident memory grew by {late - early:.1f} MiB between 1 s and 3 s")
        if not sanitized:
            check(late < 64, f"resident memory {late:.1f} MiB after 3 s")
        if case == "full":
            check(box is None, "a good records file is read without a message")
        else:
            check(box is not None, "the records file is reported within 3 s of the launch")

        s.vemo.send_signal(signal.SIGTERM)
        termed = time.monotonic()
        ended = wait_for(lambda: not s.running(), 2)
        check(ended, f"SIGTERM ends the program within 2 s ({time.monotonic() - termed:.2f} s)")
        if not ended:
            s.vemo.kill()
            s.vemo.wait()
        s.log.close()
        with open(os.path.join(work, "vemo.log"), "rb") as f:
            log = f.read()
        if writable:
            check(s.vemo.returncode == 0, f"a clean end (status {s.vemo.returncode})")
            os.chmod(path, 0o600)
            data, lines = records_lines(path)
            check(len(lines) == 41 and lines[11] == b"1110111" and lines[12] == b"15",
                  "the path then holds the program's table")
        else:
            check(s.vemo.returncode == 1, f"a failure status (status {s.vemo.returncode})")
            check(b"Cannot create file data." in log, "stderr says the file could not be written")
            check(snapshot(path) == before, "the path is left exactly as it was")
            check(sorted(os.listdir(work)) == ["data", "vemo.log"], "no stray file is left beside it")
    finally:
        s.stop()


def main():
    program, case = sys.argv[1], sys.argv[2]
    run_case(program, case, len(sys.argv) > 3 and sys.argv[3] == "sanitized")
    if failures:
        print(f"{len(failures)} check(s) failed")
        sys.exit(1)


if __name__ == "__main__":
    main()
