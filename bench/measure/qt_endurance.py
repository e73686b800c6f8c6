#!/usr/bin/env python3
"""Bindings and a random joystick script for the endurance run of the Linux
program (qt-runs.sh).

  qt_endurance.py bindings TITLE    name=value assignments for reg_set.py
  qt_endurance.py script SECONDS    a --demo-joystick script, ends at rest
"""
import random
import sys

# Key commands of every kind; buttons 7, 8 and 12 are global mouse buttons and
# keep no command (a repeating command there would hold the mouse button).
COMMANDS = ["a", "{ENTER}", "+(ab)^c", "#x", "!true", "{MCL}q", "{left 3}", "{MCR}{MCM}w"]


def bindings(title):
    values = []
    for mode in range(1, 5):
        values.append(f"M{mode}ft={title if mode != 3 else 'no window has this title'}")
        values.append(f"M{mode}co=/bin/true")
        values.append(f"CheckBoxM{mode}F=dword:{mode % 2 == 0:d}")
        for button in range(1, 7):
            values.append(f"M{mode}b{button}={COMMANDS[(button + mode) % 8]}")
        values.append(f"M{mode}b=dword:{0 if mode == 4 else 8 + mode}")
    values += ["_mausbuttonLeft=dword:12", "_mausbuttonMiddle=dword:8",
               "_mausbuttonRight=dword:7", "x=dword:7", "y=dword:13", "z=dword:1"]
    print("\n".join(values))


def script(seconds):
    rng = random.Random(int(seconds))
    ticks = int(float(seconds) * 100)
    print("32768 32768 32768 0 x50")
    while ticks > 0:
        mask = rng.randrange(0x1000)
        if rng.random() < 0.8:
            mask &= 1 << (mask % 12)
        hold = rng.randint(1, 30)
        print(f"{rng.randrange(65536)} {rng.randrange(65536)} {rng.randrange(65536)} {mask} x{hold}")
        ticks -= hold
    print("32768 32768 32768 0")


if __name__ == "__main__":
    {"bindings": bindings, "script": script}[sys.argv[1]](*sys.argv[2:])
