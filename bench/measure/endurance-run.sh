#!/usr/bin/env bash
# Random joystick input against a full-screen target window for a while, on
# the current X display (run it through tests/e2e-linux/virtual-desktop.sh).
# Samples the program's VmRSS, and after it ended lists the keys and mouse
# buttons the X server still holds down. Leaves in OUTDIR: random.events
# (with the keys held at the end, while the program still ran), random.keys,
# rss (seconds, kB), after-exit (keys held once it ended), status.
#
#   endurance-run.sh BUILD_DIR OUTDIR SECONDS
set -uo pipefail
build=$1 out=$2 seconds=$3
title="Pultara key clock"
"$build/bench/measure/key_clock" --title "$title" --log "$out/random.keys" --cover &
clock=$!
for _ in $(seq 100); do xwininfo -name "$title" >/dev/null 2>&1 && break; sleep 0.05; done
sleep 0.3

"$build/bench/measure/tick_probe" random --seconds "$seconds" --title "$title" \
    --log "$out/random.events" --seed "${SEED:-$$}" &
probe=$!
every=$(( seconds / 30 )); [ "$every" -lt 1 ] && every=1
start=$(date +%s)
: >"$out/rss"
while kill -0 "$probe" 2>/dev/null; do
    rss=$(awk '$1 == "VmRSS:" {print $2}' "/proc/$probe/status" 2>/dev/null)
    [ -n "$rss" ] && echo "$(( $(date +%s) - start )) $rss" >>"$out/rss"
    sleep "$every"
done
wait "$probe"
echo $? >"$out/status"
"$build/bench/measure/key_clock" --keys-down >"$out/after-exit"
kill "$clock"; wait "$clock" 2>/dev/null
exit 0
