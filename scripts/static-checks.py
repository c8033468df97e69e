#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Static checks over every source file of src/: clang-tidy (.clang-tidy) on all of them, clazy
(levels 0 and 1) on the Qt layers, on the default build's compile_commands.json (cmake --preset
default first). Any finding fails.

A file whose preprocessed text, checks and tool versions were already found clean is not checked
again: .ci/static-checks.cache keeps one line per clean file (a hash of all that), so CI checks only
what changed since the cache was last written. A run over the whole tree rewrites the cache with
the files found clean; commit it with the change.

Usage: scripts/static-checks.py [FILE...]   (checks the files named, without the cache)
"""
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "default")
CACHE = os.path.join(ROOT, ".ci", "static-checks.cache")
QT_LAYERS = ("src/gui/", "src/cli/", "src/qtcommon/", "src/qtsheet/")
CLAZY_CHECKS = "level0,level1"
EXTRA = "-Wno-unknown-warning-option"


def run(command):
    return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, errors="replace")


def version(tool):
    return run([tool, "--version"]).stdout.strip()


def tools_for(path):
    """clang-tidy checks every file; clazy, which knows Qt's pitfalls, the Qt layers'."""
    return ["clang-tidy"] + (["clazy"] if path.startswith(QT_LAYERS) else [])


def preprocessed(entry):
    """The file as the compiler sees it, without this checkout's own path."""
    command = shlex.split(entry["command"])
    # Drop the output and dependency-file options, keep every define and include path.
    kept, skip = [], False
    for arg in command:
        if skip:
            skip = False
            continue
        if arg in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
            continue
        if arg in ("-c", "-MD", "-MMD"):
            continue
        kept.append(arg)
    if kept and kept[0].endswith("ccache"):
        kept = kept[1:]
    result = subprocess.run(kept + ["-E", "-P"], cwd=entry["directory"], capture_output=True)
    if result.returncode != 0:
        return None
    return result.stdout.replace(ROOT.encode(), b"<root>")


def key(text, path, salt):
    digest = hashlib.sha256()
    digest.update(salt.encode())
    digest.update(path.encode())
    digest.update(text)
    return digest.hexdigest()[:32]


def check(path, tools):
    findings = ""
    if "clang-tidy" in tools:
        result = run(["clang-tidy", "-p", BUILD, "--quiet", f"--extra-arg={EXTRA}", path])
        if result.returncode != 0:
            findings += result.stdout + result.stderr
    if "clazy" in tools:
        result = run(["clazy-standalone", "-p", BUILD, f"--checks={CLAZY_CHECKS}",
                      f"--extra-arg={EXTRA}", path])
        if result.returncode != 0 or "[-Wclazy-" in result.stderr:
            findings += result.stdout + result.stderr
    return re.sub(r"^\d+ (warnings?|errors?) generated\.\n", "", findings, flags=re.M)


def main():
    with open(os.path.join(BUILD, "compile_commands.json")) as f:
        entries = {os.path.relpath(e["file"], ROOT): e for e in json.load(f)}
    named = sys.argv[1:]
    files = named or sorted(p for p in entries if p.startswith("src/") and p.endswith(".cpp"))
    config = open(os.path.join(ROOT, ".clang-tidy")).read()
    salt = version("clang-tidy") + version("clazy-standalone") + CLAZY_CHECKS + config
    cached = set()
    if not named and os.path.exists(CACHE):
        cached = set(open(CACHE).read().split())

    def one(path):
        entry = entries.get(path)
        if entry is None:
            return path, None, f"{path}: not in the build's compile_commands.json\n"
        tools = tools_for(path)
        text = preprocessed(entry)
        k = key(text, path + ",".join(tools), salt) if text is not None else None
        if k is not None and k in cached:
            return path, k, ""
        return path, k, check(path, tools)

    with ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        results = list(pool.map(one, files))
    failed = [(p, out) for p, _, out in results if out]
    checked = sum(1 for _, k, _ in results if k not in cached)
    print(f"static checks: {len(files)} files, {checked} checked, "
          f"{len(files) - checked} unchanged since found clean")
    for _, out in failed:
        sys.stdout.write(out)
    if not named:
        clean = sorted(k for p, k, out in results if k is not None and not out)
        os.makedirs(os.path.dirname(CACHE), exist_ok=True)
        with open(CACHE, "w") as f:
            f.write("\n".join(clean) + "\n")
    if failed:
        print(f"static checks: findings in {len(failed)} files")
        return 1
    print("static checks: no finding")
    return 0


if __name__ == "__main__":
    sys.exit(main())
