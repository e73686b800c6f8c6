#!/usr/bin/env python3
"""A simulated stretch of use for pultara-sim, and a check of its trace.

  sim_week.py script MINUTES          joystick script: every kind of binding set
                                      through the controls, then per minute a
                                      burst of random input and rest
  sim_week.py desktop                 the desktop the script expects
  sim_week.py check < TRACE           reads the simulator's output; prints the
                                      keys and mouse buttons held at the end, the
                                      number of lines and the ticks run

The script is read whole by the simulator, so its size sets the memory the
simulator starts with; a minute is one burst and one rest line or so.
"""
import random
import re
import sys

COMMANDS = ["a", "{ENTER}", "+(ab)^c", "#x", "!true", "{MCL}q", "{left 3}", "{MCR}{MCM}w"]
REST = "32768 32768 32768 0"


def script(minutes):
    rng = random.Random(7)
    out = sys.stdout
    for mode in range(1, 5):
        title = "Player" if mode != 3 else "No window has this title"
        out.write(f'set ComboBoxEditM{mode}titel "{title}"\nset EditM{mode}kommando "true"\n')
        if mode % 2 == 0:
            out.write(f"click CheckBoxM{mode}F\n")
        # Buttons 7, 8 and 12 are global mouse buttons and keep no command.
        for button in range(1, 7):
            out.write(f'set EditM{mode}b{button} "{COMMANDS[(button + mode) % 8]}"\n')
        if mode != 4:
            out.write(f"select ComboBoxM{mode} {8 + mode}\n")
    out.write("select ComboBoxMausL 12\nselect ComboBoxMausM 8\nselect ComboBoxMausR 7\n")
    out.write("select ComboBox1 7\nselect ComboBox2 13\nselect ComboBox3 1\n")
    for _ in range(int(minutes)):
        used = 0
        for _ in range(rng.randint(3, 12)):
            mask = rng.randrange(0x1000)
            if rng.random() < 0.8:
                mask &= 1 << (mask % 12)
            hold = rng.randint(1, 30)
            out.write(f"{rng.randrange(65536)} {rng.randrange(65536)} {rng.randrange(65536)} {mask} x{hold}\n")
            used += hold
        out.write(f"{REST} x{6000 - used}\n")
    out.write(f"{REST} x100\n")


def desktop():
    print('window "Player" activates\nwindow "Terminal" foreground activates\nstartable "true"')


# mouse_event flags: the down bit of each button, and its up bit.
MOUSE = {"left": (0x2, 0x4), "right": (0x8, 0x10), "middle": (0x20, 0x40)}


def check():
    held_keys, held_buttons = set(), set()
    lines = ticks = 0
    key = re.compile(r"keybd_event\((\w+), \w+, (\w+)\)")
    mouse = re.compile(r"mouse_event\((\w+)\)")
    for line in sys.stdin:
        lines += 1
        if m := key.search(line):
            (held_keys.discard if int(m.group(2), 0) & 2 else held_keys.add)(m.group(1))
        elif m := mouse.search(line):
            flags = int(m.group(1), 16)
            for name, (down, up) in MOUSE.items():
                if flags & down:
                    held_buttons.add(name)
                if flags & up:
                    held_buttons.discard(name)
        elif line.startswith("# ") and "poll ticks" in line:
            ticks = int(line.split()[1])
    held = sorted(held_keys) + sorted(held_buttons)
    print(f"held {' '.join(held) if held else 'none'}")
    print(f"lines {lines}")
    print(f"ticks {ticks}")


if __name__ == "__main__":
    {"script": script, "desktop": desktop, "check": check}[sys.argv[1]](*sys.argv[2:])
