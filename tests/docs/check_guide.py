#!/usr/bin/env python3
"""Runs every example of the language guide and compares what it prints.

    check_guide.py GUIDE.md QUORIN

Fenced blocks of the guide:
  ```q               a script; it runs, and its standard output must equal the
                     ```output block that follows (none: it prints nothing)
  ```q 检查          a script checked with `-c`; the ```output block that
                     follows is what the check prints (compile errors)
  ```q 报告          a script checked with `-ic`: the ```output block is the
                     JSON report, with the script's folder shown as D:\\脚本
  ```q 只检查        a script that needs a desktop or waits for the user: it
                     must check without errors, and is not run
  ```q 文件 NAME.q   a file that later examples include; written, not run
  ```错误            after an ```output block: the expected standard error
                     (a runtime error); the exit code is then not checked
Each script runs in a fresh folder that holds the files written so far.
"""
import os
import re
import subprocess
import sys
import tempfile

FENCE = re.compile(r"^```(\S*)[ \t]*(.*?)\s*$")


def blocks(text):
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        m = FENCE.match(lines[i])
        if not m or not m.group(1):
            i += 1
            continue
        lang, info, start = m.group(1), m.group(2), i + 1
        j = start
        while j < len(lines) and lines[j].rstrip() != "```":
            j += 1
        yield lang, info, "\n".join(lines[start:j]) + "\n", start
        i = j + 1


def main():
    guide, quorin = sys.argv[1], os.path.abspath(sys.argv[2])
    with open(guide, encoding="utf-8") as f:
        items = list(blocks(f.read()))
    failures, ran = [], 0
    with tempfile.TemporaryDirectory() as work:
        files = {}
        k = 0
        while k < len(items):
            lang, info, body, line = items[k]
            k += 1
            if lang != "q":
                continue
            if info.startswith("文件"):
                files[info.split()[1]] = body
                continue
            expected_out, expected_err = "", None
            if k < len(items) and items[k][0] == "output":
                expected_out = items[k][2]
                k += 1
                if k < len(items) and items[k][0] == "错误":
                    expected_err = items[k][2]
                    k += 1
            folder = tempfile.mkdtemp(dir=work)
            for name, text in files.items():
                with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                    f.write(text)
            script = os.path.join(folder, "示例.q")
            with open(script, "w", encoding="utf-8") as f:
                f.write(body)
            cmd = [quorin, script]
            if info in ("检查", "只检查"):
                cmd = [quorin, "-c", script]
            elif info == "报告":
                cmd = [quorin, "-ic", script]
            r = subprocess.run(cmd, cwd=folder, capture_output=True, timeout=60, stdin=subprocess.DEVNULL)
            out = r.stdout.decode("utf-8").replace("\r\n", "\n")
            if info == "报告":
                out = out.replace(folder + os.sep, "D:\\\\脚本\\\\")
            err = r.stderr.decode("utf-8").replace("\r\n", "\n")
            ran += 1
            where = f"{guide}:{line}"
            if info == "只检查":
                if r.returncode != 0 or "语法正确" not in out:
                    failures.append(f"{where}: does not check cleanly:\n{out}{err}")
                continue
            if out.rstrip("\n") != expected_out.rstrip("\n"):
                failures.append(f"{where}: printed\n{out}--- expected\n{expected_out}")
            if expected_err is not None:
                if err.rstrip("\n") != expected_err.rstrip("\n"):
                    failures.append(f"{where}: error output\n{err}--- expected\n{expected_err}")
            elif info in ("检查", "报告"):
                if r.returncode == 0 and "语法正确" not in out:
                    failures.append(f"{where}: check failed unexpectedly")
            elif r.returncode != 0 or err:
                failures.append(f"{where}: exit code {r.returncode}, standard error:\n{err}")
    for f in failures:
        print(f)
    print(f"{ran} examples, {len(failures)} failed")
    return 1 if failures or ran == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
