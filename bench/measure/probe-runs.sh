#!/usr/bin/env bash
# Runs tick_probe against key_clock on the current X display (run it through
# tests/e2e-linux/virtual-desktop.sh) and leaves the logs in OUTDIR.
#
#   probe-runs.sh BUILD_DIR OUTDIR PRESSES TICK_SECONDS
set -uo pipefail
build=$1 out=$2 presses=$3 seconds=$4
probe="$build/bench/measure/tick_probe"
clock="$build/bench/measure/key_clock"
title="Pultara key clock"

# around_clock NAME [key_clock options] -- command: runs the command while
# key_clock notes the keys in NAME.keys.
around_clock() {
    local name=$1; shift
    local options=()
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    "$clock" --title "$title" --log "$out/$name.keys" "${options[@]}" &
    local pid=$!
    for _ in $(seq 100); do xwininfo -name "$title" >/dev/null 2>&1 && break; sleep 0.05; done
    sleep 0.3
    "$@" || echo "$* failed" >&2
    sleep 0.3
    kill "$pid"; wait "$pid" 2>/dev/null
}

# with_clock NAME [key_clock options] -- tick_probe arguments
with_clock() {
    local name=$1; shift
    local options=()
    while [ "$1" != -- ]; do options+=("$1"); shift; done
    shift
    around_clock "$name" "${options[@]}" -- \
        "$probe" "$@" --title "$title" --log "$out/$name.events"
}

with_clock presses10 -- presses --count "$presses" --interval 10 --tick-log "$out/presses10.ticks"
with_clock arrows10 -- arrows --count "$presses" --interval 10 --tick-log "$out/arrows10.ticks"
with_clock presses1 -- presses --count "$presses" --interval 1
# The poll asleep at rest: each press wakes it through the stand-in for the
# joystick's input node.
with_clock wake10 -- presses --count "$presses" --interval 10 --wake 1 --tick-log "$out/wake10.ticks"
with_clock rest1 -- rest --seconds "$seconds" --interval 1 --tick-log "$out/rest1.ticks"
with_clock rest10 -- rest --seconds "$seconds" --interval 10 --tick-log "$out/rest10.ticks"
with_clock pointer --pointer-ms 2 --warp 10,400 -- pointer --seconds 1 --interval 10

# The floor: keys through XTest from rest with no program in between.
around_clock floor -- python3 "$(dirname "$0")/xtest_floor.py" "$presses" "$out/floor.events"

# Start-up to the first tick: the moment just before exec, then the probe's
# own tick log (five starts).
for run in 1 2 3 4 5; do
    python3 -c 'import os, sys, time
open(sys.argv[1], "w").write(f"{time.monotonic_ns()}\n")
os.execv(sys.argv[2], sys.argv[2:])' "$out/startup$run.exec" "$probe" rest --seconds 0.3 \
        --interval 10 --tick-log "$out/startup$run.ticks" --log /dev/null
done
