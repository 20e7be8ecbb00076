#!/usr/bin/env python3
"""Checks the editor's language files against the registry.

    check_editor_files.py BIN_DIR [--quorin QUORIN] -- LISTER_COMMAND...

BIN_DIR holds userDefineLangs/Quorin.xml and autoCompletion/Quorin.xml; the
lister command is `quorin-editor-files --list` (possibly through an emulator).
With --quorin, every keyword is also declared as a variable in a script to
see that the compiler refuses it with the matching conflict message.
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CALL_TIP_BUDGET = 2043
FOLD_OPEN, FOLD_MIDDLE, FOLD_CLOSE = ["if", "loop", "for", "func"], ["elseif", "else"], ["endif", "endloop", "next", "endfunc"]

failures = []


def fail(msg):
    failures.append(msg)


def read_registry(cmd):
    out = subprocess.run(cmd, check=True, capture_output=True).stdout.decode("utf-8")
    builtins, constants, keywords, reserved = {}, [], [], []
    for line in out.splitlines():
        kind, rest = line.split(" ", 1)
        if kind == "B":
            # "name argc code… [: param…]": the parameter names when the reference gives them
            types, _, names = rest.partition(" : ")
            parts = types.split()
            builtins.setdefault(parts[0], []).append(([int(c) for c in parts[2:]], names.split()))
        elif kind == "C":
            constants.append(rest)
        elif kind == "K":
            keywords.append(rest)
        elif kind == "R":
            reserved.append(rest)
    return builtins, constants, keywords, reserved


def check_completion(path, builtins, constants, keywords, reserved):
    root = ET.parse(path).getroot()
    ac = root.find("AutoComplete")
    env = ac.find("Environment")
    if env is None or env.get("ignoreCase") != "no" or env.get("startFunc") != "(" or env.get("paramSeparator") != ",":
        fail("auto-completion: Environment must be case-sensitive with ( and , for call tips")
    words = ac.findall("KeyWord")
    names = [w.get("name") for w in words]
    # The editor binary-searches the list: ascending by bytes, no duplicates.
    for a, b in zip(names, names[1:]):
        if not a.encode("utf-8") < b.encode("utf-8"):
            fail(f"auto-completion: '{a}' before '{b}' breaks the byte order")
    expected = set(builtins) | set(constants) | set(keywords) | set(reserved)
    for missing in sorted(expected - set(names)):
        fail(f"auto-completion: '{missing}' missing")
    for extra in sorted(set(names) - expected):
        fail(f"auto-completion: '{extra}' is not a builtin, constant or keyword")
    for w in words:
        name = w.get("name")
        overloads = w.findall("Overload")
        if name not in builtins:
            if w.get("func") is not None or len(w):
                fail(f"auto-completion: '{name}' is not a function but has a call tip")
            continue
        if w.get("func") != "yes":
            fail(f"auto-completion: builtin '{name}' lacks func=\"yes\"")
        want = builtins[name]
        if len(overloads) != len(want):
            fail(f"auto-completion: '{name}' has {len(overloads)} overloads, the registry {len(want)}")
            continue
        cost = 24 if len(overloads) > 1 else 0
        named, unnamed, naming_cost = 0, 0, 0
        for o, (codes, names) in zip(overloads, want):
            params = [p.get("name") for p in o.findall("Param")]
            if len(params) != len(codes) or any(not p for p in params) or o.get("retVal") in (None, ""):
                fail(f"auto-completion: '{name}' overload {params} does not match {codes}")
            cost += len(o.get("retVal", "").encode()) + len(o.get("descr", "").encode())
            cost += sum(len(p.encode()) + 2 for p in params)
            # A named parameter reads "type name" ("type name[]" for arrays).
            for p, n in zip(params, names):
                if p.endswith(" " + n) or p.endswith(" " + n + "[]"):
                    named += 1
                else:
                    unnamed += 1
                    naming_cost += len(n.encode()) + 1
        if cost > CALL_TIP_BUDGET:
            fail(f"auto-completion: call tip of '{name}' needs {cost} bytes, more than {CALL_TIP_BUDGET}")
        # Names are left out only all together, and only when they do not fit.
        if named and unnamed:
            fail(f"auto-completion: '{name}' names some of its parameters and not others")
        elif unnamed and cost + naming_cost <= CALL_TIP_BUDGET:
            fail(f"auto-completion: '{name}' leaves out parameter names that fit its call tip")


def check_language(path, builtins, constants, keywords, reserved):
    root = ET.parse(path).getroot()
    lang = root.find("UserLang")
    if lang.get("name") != "Quorin" or lang.get("ext") != "q":
        fail("language: must be named Quorin and claim the .q extension")
    if lang.find("Settings/Global").get("caseIgnored") != "no":
        fail("language: keywords are case-sensitive")
    lists = {k.get("name"): (k.text or "") for k in lang.find("KeywordLists")}
    split = {k: v.split() for k, v in lists.items()}
    if split.get("Folders in code1, open") != FOLD_OPEN or split.get("Folders in code1, middle") != FOLD_MIDDLE \
            or split.get("Folders in code1, close") != FOLD_CLOSE:
        fail("language: folding words are not the block keywords")
    if not lists.get("Comments", "").startswith("00#"):
        fail("language: # must open a line comment")
    delims = lists.get("Delimiters", "")
    if '00" 01\\ 02"' not in delims or "03' 04\\ 05'" not in delims:
        fail("language: strings and characters must be delimited with backslash escapes")
    for op in "+-*/%&|^~<>=!":
        if op not in split.get("Operators1", []):
            fail(f"language: operator {op} missing")
    seen = {}
    for k in ["Folders in code1, open", "Folders in code1, middle", "Folders in code1, close"] + \
             [f"Keywords{i}" for i in range(1, 9)]:
        for w in split.get(k, []):
            if w in seen:
                fail(f"language: '{w}' is in {seen[w]} and {k}")
            seen[w] = k
    words = set(seen)
    for group, want in (("keyword", set(keywords) | set(reserved)), ("builtin", set(builtins)),
                        ("constant", set(constants))):
        for missing in sorted(want - words):
            fail(f"language: {group} '{missing}' is not coloured")
    for extra in sorted(words - set(keywords) - set(reserved) - set(builtins) - set(constants)):
        fail(f"language: '{extra}' is not a word of the language")
    if set(split.get("Keywords5", [])) != set(constants):
        fail("language: Keywords5 must be exactly the constants")
    types = {"byte", "char", "short", "int", "long", "float", "double", "string", "void", "Bmp", "ArrayList",
             "LinkedList", "HashMap", "Iterator"}
    if set(split.get("Keywords2", [])) != types:
        fail("language: Keywords2 must be exactly the type words")


def check_compiler_refuses(quorin, keywords, reserved):
    with tempfile.TemporaryDirectory() as d:
        for words, kind in ((keywords, "关键词"), (reserved, "保留关键词")):
            for w in words:
                path = os.path.join(d, "kw.q")
                with open(path, "w", encoding="utf-8") as f:
                    f.write(f"int {w} = 1\n")
                out = subprocess.run([quorin, "-c", path], capture_output=True).stdout.decode("utf-8")
                if f"变量名 '{w}' 与{kind}冲突" not in out:
                    fail(f"compiler: declaring '{w}' does not report a {kind} conflict: {out.strip()}")


def main():
    argv = sys.argv[1:]
    sep = argv.index("--")
    opts, lister = argv[:sep], argv[sep + 1:]
    bin_dir = opts[0]
    quorin = opts[opts.index("--quorin") + 1] if "--quorin" in opts else None
    builtins, constants, keywords, reserved = read_registry(lister)
    if len(builtins) < 500 or len(constants) != 233 or not keywords or not reserved:
        fail(f"registry listing looks incomplete: {len(builtins)} builtins, {len(constants)} constants")
    check_completion(os.path.join(bin_dir, "autoCompletion", "Quorin.xml"), builtins, constants, keywords, reserved)
    check_language(os.path.join(bin_dir, "userDefineLangs", "Quorin.xml"), builtins, constants, keywords, reserved)
    if quorin:
        check_compiler_refuses(quorin, keywords, reserved)
    for f in failures[:50]:
        print(f)
    print(f"{len(builtins)} builtins, {sum(map(len, builtins.values()))} overloads, {len(constants)} constants, "
          f"{len(keywords) + len(reserved)} keywords: {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
