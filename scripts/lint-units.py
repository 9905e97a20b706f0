#!/usr/bin/env python3
"""Writes one translation unit per library for clang-tidy: a file that includes each of
the library's sources, and a compile_commands.json that compiles it as they are compiled.
Most of clang-tidy's time goes into reading and matching Qt's and the standard library's
headers, so a library read once costs little more than its largest file.

Usage: lint-units.py BUILD_DIR UNITS_DIR SOURCE..."""
import collections
import json
import os
import shlex
import sys


def flags_of(entry):
    """The entry's compiler and flags, without its output and input."""
    args = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    kept, skip = [], False
    for arg in args:
        if skip:
            skip = False
        elif arg in ("-o", "-c"):
            skip = True
        else:
            kept.append(arg)
    return entry["directory"], tuple(kept)


def main(build, units, sources):
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as db:
        commands = {os.path.realpath(e["file"]): e for e in json.load(db)}
    libraries = collections.defaultdict(list)
    for source in sources:
        libraries[flags_of(commands[os.path.realpath(source)])].append(os.path.realpath(source))
    os.makedirs(units, exist_ok=True)
    entries = []
    for number, ((directory, flags), files) in enumerate(sorted(libraries.items())):
        library = os.path.basename(os.path.dirname(files[0]))
        name = os.path.join(os.path.realpath(units), f"unit{number}-{library}.cpp")
        with open(name, "w", encoding="utf-8") as unit:
            unit.writelines(f'#include "{f}"  // NOLINT(bugprone-suspicious-include)\n' for f in files)
        entries.append({"directory": directory, "file": name, "arguments": [*flags, "-c", name]})
    with open(os.path.join(units, "compile_commands.json"), "w", encoding="utf-8") as db:
        json.dump(entries, db, indent=1)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
