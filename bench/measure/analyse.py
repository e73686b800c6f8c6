#!/usr/bin/env python3
"""Turns the logs of tick_probe and key_clock into table rows (markdown).

  analyse.py latency EVENTS KEYS EVENT KEY LABEL [TICKS]
                                                   press-to-key latency; with the
                                                   tick log, split into the wait for
                                                   the tick and the tick's own work
  analyse.py ticks TICKS INTERVAL_MS LABEL         achieved tick intervals
  analyse.py cadence KEYS KEY INTERVAL_MS LABEL    tick intervals seen as key arrivals
  analyse.py pointer EVENTS KEYS LABEL             pointer speed at full deflection
  analyse.py memory RSS LABEL                      VmRSS over a long run ("s kB" lines)
  analyse.py startup LABEL EXEC TICKS [EXEC TICKS ...]
                                                   exec to first tick, per start

With FIGURES and KEY set, the main figures are also appended to FIGURES as
"KEY.name value" lines for the budget table.
"""
import bisect
import os
import statistics
import sys


def figure(name, value):
    """Keeps a figure for the budget table (FIGURES names the file, KEY the row)."""
    if os.environ.get("FIGURES") and os.environ.get("KEY"):
        with open(os.environ["FIGURES"], "a") as f:
            f.write(f"{os.environ['KEY']}.{name} {value}\n")


def lines(path):
    with open(path) as f:
        return [line.split() for line in f if line.strip()]


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


def latency(events, keys, event, key, label, ticks=None):
    starts = [int(e[0]) for e in lines(events) if e[1] == event]
    arrivals = sorted(int(k[0]) for k in lines(keys) if k[1] == "K" and k[2] == key)
    tick_starts = [int(t[0]) for t in lines(ticks)] if ticks else []
    # Moments the program let a key go (tick_probe notes them as "sent").
    sent = [int(e[0]) for e in lines(events) if e[1] == "sent"]
    found, waits, work, own, delivery = [], [], [], [], []
    for i, start in enumerate(starts):
        end = starts[i + 1] if i + 1 < len(starts) else float("inf")
        j = bisect.bisect_left(arrivals, start)
        if j < len(arrivals) and arrivals[j] < end:
            found.append((arrivals[j] - start) / 1e6)
            # The last tick that began before the key arrived carried it.
            k = bisect.bisect_left(tick_starts, arrivals[j]) - 1
            if tick_starts and k >= 0 and tick_starts[k] >= start:
                waits.append((tick_starts[k] - start) / 1e6)
                work.append((arrivals[j] - tick_starts[k]) / 1e6)
                m = bisect.bisect_left(sent, tick_starts[k])
                if m < len(sent) and sent[m] <= arrivals[j]:
                    own.append((sent[m] - tick_starts[k]) / 1e6)
                    delivery.append((arrivals[j] - sent[m]) / 1e6)
    if not found:
        print(f"| {label} | no key arrived ({len(starts)} changes) | | | |")
        return
    lost = len(starts) - len(found)
    figure("median", f"{statistics.median(found):.2f}")
    figure("p99", f"{percentile(found, 99):.2f}")
    print(f"| {label} | {len(found)} of {len(starts)}{' (' + str(lost) + ' without key)' if lost else ''}"
          f" | {statistics.median(found):.2f} ms | {percentile(found, 99):.2f} ms | {max(found):.2f} ms |")
    if waits:
        print(f"| of which waiting for the tick | {len(waits)} | {statistics.median(waits):.2f} ms"
              f" | {percentile(waits, 99):.2f} ms | {max(waits):.2f} ms |")
        print(f"| of which tick start to key received | {len(work)} | {statistics.median(work):.2f} ms"
              f" | {percentile(work, 99):.2f} ms | {max(work):.2f} ms |")
    for name, values in (("tick start to key sent", own), ("key sent to key received", delivery)):
        if values:
            print(f"| of which {name} | {len(values)} | {statistics.median(values):.2f} ms"
                  f" | {percentile(values, 99):.2f} ms | {max(values):.2f} ms |")


def intervals_row(times, interval, label):
    gaps = [(b - a) / 1e6 for a, b in zip(times, times[1:])]
    if not gaps:
        print(f"| {label} | no ticks | | | |")
        return
    median = statistics.median(gaps)
    mean = statistics.fmean(gaps)
    figure("median", f"{median:.3f}")
    figure("p99", f"{percentile(gaps, 99):.3f}")
    within = sum(1 for g in gaps if abs(g - interval) <= 0.05 * interval) / len(gaps) * 100
    print(f"| {label} | {len(gaps)} | {median:.3f} ms ({(median / interval - 1) * 100:+.1f} %)"
          f" | {mean:.3f} ms | {percentile(gaps, 99):.3f} ms | {within:.1f} % |")


def ticks(path, interval, label):
    intervals_row([int(t[0]) for t in lines(path)], float(interval), label)


def cadence(keys, key, interval, label):
    times = [int(k[0]) for k in lines(keys) if k[1] == "K" and k[2] == key]
    intervals_row(times, float(interval), label)


def pointer(events, keys, label):
    marks = {e[1]: int(e[0]) for e in lines(events)}
    samples = [(int(k[0]), int(k[2])) for k in lines(keys) if k[1] == "P"]
    moving = [s for s in samples if marks["deflect"] <= s[0] <= marks["rest"]]
    if len(moving) < 2:
        print(f"| {label} | no pointer samples | |")
        return
    first_x, last_x = moving[0][1], max(x for _, x in moving)
    # From the first sample that moved to the last one before the screen edge.
    span = [s for s in moving if first_x < s[1] < last_x]
    if len(span) < 2:
        print(f"| {label} | pointer did not move | |")
        return
    (t0, x0), (t1, x1) = span[0], span[-1]
    speed = (x1 - x0) / ((t1 - t0) / 1e9)
    figure("speed", f"{speed:.0f}")
    print(f"| {label} | {speed:.0f} px/s | {x1 - x0} px in {(t1 - t0) / 1e6:.0f} ms |")


def memory(path, label):
    samples = [(int(s[0]), int(s[1])) for s in lines(path)]
    if len(samples) < 3:
        print(f"| {label} | too few samples | | | |")
        return
    # Growth after the first tenth of the run (at least its first sample), when
    # start-up allocations are done.
    settled = samples[max(1, len(samples) // 10):]
    growth = settled[-1][1] - settled[0][1]
    flat = growth <= 256
    figure("growth", growth)
    print(f"| {label} | {len(samples)} over {samples[-1][0]} s | {samples[0][1]} → {samples[-1][1]} kB"
          f" (max {max(kb for _, kb in samples)} kB) | {growth:+d} kB | {'yes' if flat else '**no**'} |")


def startup(label, *pairs):
    times = []
    for exec_file, ticks_file in zip(pairs[0::2], pairs[1::2]):
        try:
            started = int(lines(exec_file)[0][0])
            times.append((int(lines(ticks_file)[0][0]) - started) / 1e6)
        except (OSError, IndexError):
            pass
    if not times:
        print(f"| {label} | no start measured | |")
        return
    figure("median", f"{statistics.median(times):.1f}")
    print(f"| {label} | {statistics.median(times):.1f} ms | {', '.join(f'{t:.1f}' for t in times)} ms |")


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    {"latency": latency, "ticks": ticks, "cadence": cadence, "pointer": pointer,
     "memory": memory, "startup": startup}[command](*args)
