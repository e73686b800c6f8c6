#!/usr/bin/env bash
# Press-to-key latency on a Wayland compositor: tick_probe types through the
# compositor's virtual keyboard into pultara-wayland-target, which notes the
# arrivals like key_clock. Run it in a session, for example headless sway:
#
#   tests/e2e-wayland/sway-session.sh OUTDIR -- \
#     bench/measure/probe-runs-wayland.sh BUILD_DIR OUTDIR PRESSES
#
# then bench/measure/analyse.py latency on OUTDIR/{presses10,wake10,floor}.*
# (floor: the virtual keyboard alone, no program in between).
set -uo pipefail
build=$1 out=$2 presses=$3
probe="$build/bench/measure/tick_probe"
clock="$build/tests/e2e-wayland/pultara-wayland-target"
list="$build/tests/e2e-wayland/pultara-window-list"
floor="$build/bench/measure/wayland_floor"
title="Pultara key clock"

# with_clock NAME -- tick_probe arguments: runs the probe while the clock
# notes the keys in NAME.keys (with_clock NAME -- floor: the floor instead).
with_clock() {
    local name=$1; shift 2
    "$clock" --title "$title" --log "$out/$name.keys" --clock 1 &
    local pid=$!
    for _ in $(seq 100); do "$list" 2>/dev/null | grep -x "$title" >/dev/null && break; sleep 0.05; done
    if [ "$1" = floor ]; then
        "$floor" "$presses" "$out/$name.events" || echo "the floor failed" >&2
        # the floor ends with its last key sent: let the clock note it first
        for _ in $(seq 100); do
            [ "$(grep -c ' K ' "$out/$name.keys")" -ge "$presses" ] && break
            sleep 0.05
        done
    else
        "$probe" "$@" --title "$title" --log "$out/$name.events" || echo "$* failed" >&2
    fi
    kill "$pid"; wait "$pid" 2>/dev/null
}

with_clock presses10 -- presses --count "$presses" --interval 10 --tick-log "$out/presses10.ticks"
with_clock wake10 -- presses --count "$presses" --interval 10 --wake 1 --tick-log "$out/wake10.ticks"
with_clock floor -- floor
