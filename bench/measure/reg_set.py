#!/usr/bin/env python3
"""Sets values in the program's settings file (a registry export) in place,
keeping every other line as it is. A value of the form dword:N is written as
a dword (N decimal, or 0x hex); anything else as a string.

  reg_set.py FILE name=value [name=value ...]
"""
import sys


def encode(value):
    if value.startswith("dword:"):
        return "dword:%08x" % (int(value[6:], 0) & 0xFFFFFFFF)
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main(path, assignments):
    wanted = dict(a.split("=", 1) for a in assignments)
    raw = open(path, "rb").read()
    encoding = "utf-16" if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else "utf-8"
    lines = raw.decode(encoding).splitlines()
    missing = set(wanted)
    for i, line in enumerate(lines):
        for name, value in wanted.items():
            if line.startswith(f'"{name}"='):
                lines[i] = f'"{name}"={encode(value)}'
                missing.discard(name)
    if missing:
        sys.exit(f"reg_set: not in {path}: {', '.join(sorted(missing))}")
    open(path, "w", encoding=encoding, newline="\r\n" if b"\r\n" in raw else "\n").write(
        "\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
