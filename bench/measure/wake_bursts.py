#!/usr/bin/env python3
"""Counts how often processes wake up: wake_bursts.py SECONDS PID [PID...].

Context switches overstate the wake-ups of a program that talks to a server
in blocking round trips (a Windows program under Wine asks wineserver for
every registry value, and each answer is a switch): one wake-up from sleep
can bring hundreds of switches. This samples the summed context switches of
all the process's threads every 2 ms and counts the bursts: runs of samples
in which the count rose, after a sample in which it did not. A 10 ms timer
gives 100 bursts a second; a save every 5 s gives 0.2, however many round
trips it makes. Prints the bursts per second of each process, one a line.
"""
import glob
import sys
import time


def switches(pid):
    total = 0
    for path in glob.glob(f"/proc/{pid}/task/*/status"):
        try:
            with open(path) as status:
                for line in status:
                    if line.startswith(("voluntary_ctxt", "nonvoluntary_ctxt")):
                        total += int(line.split()[1])
        except OSError:
            pass  # a thread that ended meanwhile
    return total


def main():
    seconds, pids = float(sys.argv[1]), sys.argv[2:]
    start = time.monotonic()
    last = [switches(pid) for pid in pids]
    bursts = [0] * len(pids)
    active = [False] * len(pids)
    while time.monotonic() - start < seconds:
        time.sleep(0.002)
        for i, pid in enumerate(pids):
            now = switches(pid)
            if now > last[i] and not active[i]:
                bursts[i] += 1
            active[i] = now > last[i]
            last[i] = now
    elapsed = time.monotonic() - start
    for count in bursts:
        print(f"{count / elapsed:.2f}")


if __name__ == "__main__":
    main()
