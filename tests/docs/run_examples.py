#!/usr/bin/env python3
"""Runs example scripts and compares what they print.

    run_examples.py EXAMPLES_DIR EXPECTED_DIR NAME... -- COMMAND...
    run_examples.py --families BUILTINS_DIR EXAMPLES_DIR SKIP...

COMMAND runs a script (the interpreter, possibly through an emulator). For
each NAME, examples/NAME.q runs in a fresh folder; EXPECTED_DIR holds
NAME.out (standard output, required), and optionally NAME.err (standard
error; without it nothing may be written there), NAME.in (typed on standard
input) and NAME.argv (script arguments, one per line).
"""
import os
import subprocess
import sys
import tempfile


def read(path, default=None):
    if not os.path.exists(path):
        return default
    with open(path, encoding="utf-8") as f:
        return f.read()


def norm(text):
    return text.replace("\r\n", "\n").rstrip("\n")


def check_families(builtins, examples, skip):
    """Every family folder (one with a table) has its example script."""
    missing = [f for f in sorted(os.listdir(builtins))
               if os.path.exists(os.path.join(builtins, f, "table.cpp")) and f not in skip
               and not os.path.exists(os.path.join(examples, f + ".q"))]
    for f in missing:
        print(f"family '{f}' has no examples/{f}.q")
    return 1 if missing else 0


def main():
    argv = sys.argv[1:]
    if argv[0] == "--families":
        return check_families(argv[1], argv[2], argv[3:])
    sep = argv.index("--")
    examples, expected, names = os.path.abspath(argv[0]), os.path.abspath(argv[1]), argv[2:sep]
    command = argv[sep + 1:]
    failures = []
    for name in names:
        base = os.path.join(expected, name)
        script = os.path.join(examples, name + ".q")
        args = [a for a in (read(base + ".argv", "") or "").splitlines() if a]
        stdin = read(base + ".in")
        with tempfile.TemporaryDirectory() as work:
            r = subprocess.run(command + [script] + args, cwd=work, capture_output=True, timeout=120,
                               input=stdin.encode("utf-8") if stdin is not None else b"")
        out, err = norm(r.stdout.decode("utf-8", "replace")), norm(r.stderr.decode("utf-8", "replace"))
        want_out, want_err = norm(read(base + ".out", "")), norm(read(base + ".err", ""))
        problems = []
        if out != want_out:
            problems.append(f"printed:\n{out}\n--- expected:\n{want_out}")
        if err != want_err:
            problems.append(f"standard error:\n{err}\n--- expected:\n{want_err}")
        if r.returncode != 0:
            problems.append(f"exit code {r.returncode}")
        if problems:
            failures.append(f"== {name}.q\n" + "\n".join(problems))
    for f in failures:
        print(f)
    print(f"{len(names)} examples, {len(failures)} failed")
    return 1 if failures or not names else 0


if __name__ == "__main__":
    sys.exit(main())
