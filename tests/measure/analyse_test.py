"""The pairing and statistics of bench/measure/analyse.py on made-up logs."""
import contextlib
import io
import os
import tempfile
import unittest

import analyse

MS = 1_000_000


class Logs:
    def __init__(self, test):
        self.dir = tempfile.TemporaryDirectory()
        test.addCleanup(self.dir.cleanup)

    def write(self, name, rows):
        path = os.path.join(self.dir.name, name)
        with open(path, "w") as f:
            f.writelines(" ".join(str(c) for c in row) + "\n" for row in rows)
        return path


def run(function, *args, figures=None):
    out = io.StringIO()
    env = {"FIGURES": figures or "", "KEY": "k"}
    saved = {k: os.environ.get(k) for k in env}
    os.environ.update(env)
    try:
        with contextlib.redirect_stdout(out):
            function(*args)
    finally:
        for k, v in saved.items():
            os.environ.pop(k) if v is None else os.environ.__setitem__(k, v)
    return out.getvalue()


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


class LatencyPairing(unittest.TestCase):
    def setUp(self):
        self.logs = Logs(self)

    def test_each_change_takes_the_first_matching_key_before_the_next_change(self):
        events = self.logs.write("e", [(0, "press"), (100 * MS, "press"), (200 * MS, "press")])
        keys = self.logs.write("k", [
            (2 * MS, "K", "b"),      # another key: ignored
            (4 * MS, "K", "a"),      # first press: 4 ms
            (9 * MS, "K", "a"),      # a second key of the same press: ignored
            (107 * MS, "K", "a"),    # second press: 7 ms
        ])                           # third press: no key before the end
        row = cells(run(analyse.latency, events, keys, "press", "a", "label").splitlines()[0])
        self.assertEqual(row[1], "2 of 3 (1 without key)")
        self.assertEqual(row[2:], ["5.50 ms", "7.00 ms", "7.00 ms"])

    def test_a_key_that_arrives_before_the_change_is_not_its_key(self):
        events = self.logs.write("e", [(50 * MS, "press")])
        keys = self.logs.write("k", [(49 * MS, "K", "a")])
        self.assertIn("no key arrived", run(analyse.latency, events, keys, "press", "a", "x"))

    def test_with_ticks_the_latency_splits_into_waiting_and_work(self):
        events = self.logs.write("e", [(0, "press")])
        keys = self.logs.write("k", [(13 * MS, "K", "a")])
        ticks = self.logs.write("t", [(-2 * MS,), (8 * MS,), (18 * MS,)])
        lines = run(analyse.latency, events, keys, "press", "a", "x", ticks).splitlines()
        self.assertEqual(cells(lines[1])[2], "8.00 ms")  # press to the tick that carried it
        self.assertEqual(cells(lines[2])[2], "5.00 ms")  # that tick to the key

    def test_main_figures_go_to_the_figures_file(self):
        events = self.logs.write("e", [(0, "press")])
        keys = self.logs.write("k", [(3 * MS, "K", "a")])
        figures = os.path.join(self.logs.dir.name, "figures")
        run(analyse.latency, events, keys, "press", "a", "x", figures=figures)
        with open(figures) as f:
            self.assertEqual(f.read(), "k.median 3.00\nk.p99 3.00\n")


class TickIntervals(unittest.TestCase):
    def test_median_mean_and_share_within_five_percent(self):
        logs = Logs(self)
        times = [0, 10, 20, 30, 45, 55]  # one late tick of 15 ms
        path = logs.write("t", [(t * MS,) for t in times])
        row = cells(run(analyse.ticks, path, "10", "x"))
        self.assertEqual(row[1], "5")
        self.assertEqual(row[2], "10.000 ms (+0.0 %)")
        self.assertEqual(row[3], "11.000 ms")
        self.assertEqual(row[4], "15.000 ms")
        self.assertEqual(row[5], "80.0 %")

    def test_percentile_picks_the_nearest_rank(self):
        values = list(range(1, 101))
        self.assertEqual(analyse.percentile(values, 50), 51)
        self.assertEqual(analyse.percentile(values, 99), 99)
        self.assertEqual(analyse.percentile([7], 99), 7)


class PointerSpeed(unittest.TestCase):
    def test_speed_comes_from_the_moving_stretch_before_the_screen_edge(self):
        logs = Logs(self)
        events = logs.write("e", [(0, "deflect"), (2000 * MS, "rest")])
        samples = [(-5 * MS, "P", 500, 400)]                       # before the deflection
        samples += [(t * MS, "P", 10, 400) for t in (0, 2, 4)]     # not moved yet
        samples += [(t * MS, "P", 10 + t, 400) for t in range(6, 1200, 2)]
        samples += [(t * MS, "P", 1279, 400) for t in range(1270, 1400, 2)]  # at the edge
        keys = logs.write("k", samples)
        row = cells(run(analyse.pointer, events, keys, "x"))
        self.assertEqual(row[1], "1000 px/s")


class MemoryGrowth(unittest.TestCase):
    def test_growth_is_counted_after_the_start_up_tenth(self):
        logs = Logs(self)
        rss = [(0, 3000)] + [(s, 10000 + s) for s in range(1, 20)]
        row = cells(run(analyse.memory, logs.write("r", rss), "x"))
        self.assertEqual(row[3], "+17 kB")
        self.assertEqual(row[4], "yes")

    def test_steady_growth_is_not_flat(self):
        logs = Logs(self)
        rss = [(s, 10000 + 100 * s) for s in range(20)]
        self.assertEqual(cells(run(analyse.memory, logs.write("r", rss), "x"))[4], "**no**")


if __name__ == "__main__":
    unittest.main()
