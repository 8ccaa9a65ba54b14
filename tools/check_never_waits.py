#!/usr/bin/env python3
"""Runs a link of the page's program and checks the list of code that never waits.

The list (one name pattern a line, `*` matching anything) names code that
Asyncify leaves uninstrumented. A wrong entry fails only at run time, when a
wait unwinds through it, so the build stops instead when:
  --patterns   the link (made with the list) says a pattern matches nothing;
  --reach      the link (made without the list, with -sASYNCIFY_ADVISE,
               -sASYNCIFY_IGNORE_INDIRECT and --emit-symbol-map) reports a
               listed function that reaches a wait through its calls, or a
               listed function is the program's own: the program's code
               reaches the page's waits through virtual calls, which that
               advice cannot follow, so none of it may be listed.

  check_never_waits.py --patterns LIST -- LINK COMMAND...
  check_never_waits.py --reach LIST SYMBOLS -- LINK COMMAND...
"""
import re
from pathlib import Path
import subprocess
import sys


def read_patterns(path):
    with open(path, encoding="utf-8") as f:
        patterns = [line.strip() for line in f if line.strip()]
    return [(p, re.compile(".*".join(map(re.escape, p.split("*"))) + r"\Z")) for p in patterns]


def matching(patterns, name):
    return [p for p, rx in patterns if rx.match(name)]


def run_link(command):
    link = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return link.returncode, link.stdout


def main(argv):
    split = argv.index("--")
    mode, args, command = argv[1], argv[2:split], argv[split + 1:]
    status, output = run_link(command)
    problems = []
    if mode == "--patterns":
        patterns = read_patterns(args[0])
        problems = [line for line in output.splitlines() if "Asyncify removelist contained a non-" in line]
        output = "\n".join(line for line in output.splitlines() if line not in problems)
    elif status == 0:
        patterns = read_patterns(args[0])
        waiting = re.findall(r"^\[asyncify\] (.*?) (?:is an import that )?can change the state", output, re.M)
        for name in waiting:
            for p in matching(patterns, name):
                problems.append(f"'{p}' names {name}, which reaches a wait")
        with open(args[1], encoding="utf-8") as f:
            names = [line.split(":", 1)[1].strip() for line in f if ":" in line]
        for name in names:
            if name == "main" or name.startswith(("vemo::", "vemo_")):
                for p in matching(patterns, name):
                    problems.append(f"'{p}' names the program's own {name}")
        output = ""  # the advice itself is long and only matters when it finds something
    if output.strip():
        print(output, end="" if output.endswith("\n") else "\n")
    for problem in problems:
        print(f"{args[0]}: {problem}", file=sys.stderr)
    if problems:
        # A link left behind would pass the next build unchecked.
        out = Path(command[command.index("-o") + 1])
        for stale in (out, out.with_suffix(".wasm")):
            stale.unlink(missing_ok=True)
    return status or (1 if problems else 0)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
