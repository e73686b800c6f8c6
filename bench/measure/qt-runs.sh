#!/usr/bin/env bash
# The Linux program itself, driven by its --demo-joystick scripts, on the
# current X display (run it through tests/e2e-linux/virtual-desktop.sh, which
# gives it a fresh settings folder). key_clock notes the keys and the pointer.
#
#   qt-runs.sh PROGRAM BUILD_DIR OUTDIR SECONDS ENDURANCE_SECONDS
#
# Leaves in OUTDIR: cadence.keys (X held on the arrow keys for SECONDS),
# startupN.exec/startupN.first (five starts: exec, first key of the first tick),
# pointer.keys/pointer.events (X at full deflection on the pointer), and for
# the endurance run (skipped when ENDURANCE_SECONDS is 0): endurance.rss,
# endurance.keys-down (while still running), endurance.after-exit (after
# SIGTERM ended it), endurance.exit (its exit status then),
# endurance.settings ("intact" or what differs), endurance.status.
set -uo pipefail
program=$1 build=$2 out=$3 seconds=$4 endurance=$5
clock="$build/bench/measure/key_clock"
here=$(dirname "$0")
title="Pultara key clock"
settings="${XDG_CONFIG_HOME:-$HOME/.config}/pultara/settings.reg"
rest="32768 32768 32768 0"

# start_program SCRIPT_FILE: the program in the background, pid in $pid.
start_program() { "$program" --demo-joystick "$1" >>"$out/program.log" 2>&1 & pid=$!; }
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
start_clock() {
    "$clock" --title "$title" "$@" &
    clock_pid=$!
    for _ in $(seq 100); do xwininfo -name "$title" >/dev/null 2>&1 && break; sleep 0.05; done
    sleep 0.3
}

# First start: the program writes its settings file with the defaults.
printf '%s\n' "$rest" >"$out/rest.joystick"
start_program "$out/rest.joystick"
for _ in $(seq 150); do [ -s "$settings" ] && break; sleep 0.1; done
sleep 0.5
stop "$pid"
if [ ! -s "$settings" ]; then echo "qt-runs: the program wrote no $settings" >&2; exit 1; fi
cp "$settings" "$out/defaults.reg"
focus=(M1ft="$title" CheckBoxM1F=dword:1)

# Tick cadence: X at its low end on the arrow keys sends {left} on every tick.
python3 "$here/reg_set.py" "$settings" x=dword:7 "${focus[@]}"
printf '%s x100\n0 32768 32768 0 x%d\n%s\n' "$rest" "$((seconds * 100))" "$rest" >"$out/cadence.joystick"
start_clock --log "$out/cadence.keys"
start_program "$out/cadence.joystick"
sleep $((seconds + 2))
stop "$pid"; stop "$clock_pid"

# Start-up to the first tick: X is at its low end from the start, so the
# first tick sends {left}; the moment just before exec against its arrival.
printf '0 32768 32768 0 x500\n%s\n' "$rest" >"$out/startup.joystick"
for run in 1 2 3 4 5; do
    start_clock --log "$out/startup$run.keys"
    python3 -c 'import os, sys, time
open(sys.argv[1], "w").write(f"{time.monotonic_ns()}\n")
os.execv(sys.argv[2], sys.argv[2:])' "$out/startup$run.exec" "$program" \
        --demo-joystick "$out/startup.joystick" >>"$out/program.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do grep -q ' K ' "$out/startup$run.keys" 2>/dev/null && break; sleep 0.05; done
    stop "$pid"; stop "$clock_pid"
    grep ' K ' "$out/startup$run.keys" | head -1 >"$out/startup$run.first"
done

# Pointer speed: X at full deflection on the pointer for 1.5 s.
cp "$out/defaults.reg" "$settings"
python3 "$here/reg_set.py" "$settings" x=dword:11
printf '%s x100\n65535 32768 32768 0 x150\n%s\n' "$rest" "$rest" >"$out/pointer.joystick"
printf '0 deflect\n9000000000000000000 rest\n' >"$out/pointer.events"
start_clock --log "$out/pointer.keys" --pointer-ms 2 --warp 10,400
start_program "$out/pointer.joystick"
sleep 4
stop "$pid"; stop "$clock_pid"

[ "$endurance" -gt 0 ] || exit 0
# Endurance: every kind of binding, random input, memory sampled; at the end
# nothing may be held down and the settings file must be as it was.
cp "$out/defaults.reg" "$settings"
mapfile -t assignments < <(python3 "$here/qt_endurance.py" bindings "$title")
python3 "$here/reg_set.py" "$settings" "${assignments[@]}"
cp "$settings" "$out/endurance.reg"
python3 "$here/qt_endurance.py" script "$endurance" >"$out/endurance.joystick"
start_clock --log "$out/endurance.keys" --cover
start_program "$out/endurance.joystick"
every=$((endurance / 30)); [ "$every" -lt 1 ] && every=1
start=$(date +%s)
: >"$out/endurance.rss"
while [ $(( $(date +%s) - start )) -lt $((endurance + 3)) ] && kill -0 "$pid" 2>/dev/null; do
    rss=$(awk '$1 == "VmRSS:" {print $2}' "/proc/$pid/status" 2>/dev/null)
    [ -n "$rss" ] && echo "$(( $(date +%s) - start )) $rss" >>"$out/endurance.rss"
    sleep "$every"
done
if kill -0 "$pid" 2>/dev/null; then echo running >"$out/endurance.status"; else
    wait "$pid"; echo "ended early with status $?" >"$out/endurance.status"; fi
"$clock" --keys-down >"$out/endurance.keys-down"
sleep 6  # one more periodic save
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; echo "$?" >"$out/endurance.exit"
"$clock" --keys-down >"$out/endurance.after-exit"
stop "$clock_pid"
if cmp -s "$settings" "$out/endurance.reg"; then echo intact >"$out/endurance.settings"; else
    diff "$out/endurance.reg" "$settings" | head -5 >"$out/endurance.settings"; fi
