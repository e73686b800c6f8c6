#!/usr/bin/env bash
# Runs a command, lets it settle, and measures its cost over a while:
# CPU as a percentage of one core (all threads),
# context switches per second (voluntary and involuntary, of all its
# threads), VmRSS, VmHWM, RssAnon and Pss at the end, and wake-ups per second
# (bursts of switches, bench/measure/wake_bursts.py: a program that makes
# many blocking round trips when it wakes, as under Wine, switches far more
# often than it wakes). Writes one line to OUT:
#   <cpu %> <switches/s> <VmRSS kB> <VmHWM kB> <RssAnon kB> <Pss kB> <wake-ups/s>
#
#   process-cost.sh OUT SECONDS [--match NAME] -- command [args...]
#
# --match NAME measures the newest process whose command name is NAME (for
# a program started through a launcher such as wine) instead of the command.
# With EXTRA_MATCH=NAME and EXTRA_OUT=FILE the newest process whose name holds NAME (such
# as wineserver) is measured over the same stretch into FILE. With
# MATCH_ENV=VAR=VALUE both look only at processes with that in their environment.
set -uo pipefail
out=$1 seconds=$2; shift 2
match=""
if [ "$1" = --match ]; then match=$2; shift 2; fi
[ "$1" = -- ] && shift

"$@" >/dev/null 2>&1 &
launcher=$!
sleep "${SETTLE:-3}"
# newest NAME [x]: the newest process of that name (x: the exact command name)
# with MATCH_ENV in its environment when MATCH_ENV=VAR=VALUE is given (the
# programs of this Wine prefix, not those of another one on the machine).
newest() {
    local found="" candidate
    for candidate in $(pgrep ${2:+-x} "$1"); do
        if [ -z "${MATCH_ENV:-}" ] ||
            tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qxF "$MATCH_ENV"; then
            found=$candidate
        fi
    done
    echo "$found"
}
pid=$launcher
if [ -n "$match" ]; then pid=$(newest "$match" x); fi
if [ -z "$pid" ] || [ ! -d "/proc/$pid" ]; then
    echo "not running" >"$out"; kill "$launcher" 2>/dev/null; exit 0
fi

# Per thread of process $1, "TID value" lines: nanoseconds on a CPU (finer
# than the clock ticks of /proc/PID/stat), and context switches.
cpu_ns() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '{print tid, $1}' "$task/schedstat" 2>/dev/null
    done
}
switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2}
            END {print tid, n}' "$task/status" 2>/dev/null
    done
}
# What the threads did between two such lists: a thread that ended meanwhile
# takes its count with it and is left out, a thread that started counts from 0,
# so a program whose idle threads end does not show a negative figure.
grown() {
    awk 'NR == FNR {before[$1] = $2; next} {total += $2 - ($1 in before ? before[$1] : 0)}
        END {printf "%d", total}' <(printf '%s\n' "$1") <(printf '%s\n' "$2")
}
field() { awk -v f="$2:" '$1 == f {print $2}' "/proc/$1/status"; }
# pid, CPU ns and switches at the start, wake-ups/s -> the figures line
figures() {
    local p=$1 t0=$2 s0=$3 bursts=$4 t1 s1 rss hwm anon pss
    t1=$(cpu_ns "$p") s1=$(switches "$p")
    rss=$(field "$p" VmRSS) hwm=$(field "$p" VmHWM)
    # Memory the program itself allocated (heap, stacks: RssAnon) and its
    # proportional share of everything it maps (Pss).
    anon=$(field "$p" RssAnon)
    pss=$(awk '$1 == "Pss:" {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null)
    awk -v t="$(grown "$t0" "$t1")" -v s="$(grown "$s0" "$s1")" -v w0="$w0" -v w1="$w1" \
        -v rss="${rss:-0}" -v hwm="${hwm:-0}" -v anon="${anon:-0}" -v pss="${pss:-0}" \
        -v b="${bursts:-0}" \
        'BEGIN {d = w1 - w0; printf "%.3f %.1f %d %d %d %d %.2f\n", 100 * t / 1e9 / d, s / d, rss, hwm, anon, pss, b}'
}

extra=""
if [ -n "${EXTRA_MATCH:-}" ]; then extra=$(newest "$EXTRA_MATCH"); fi
t0=$(cpu_ns "$pid") s0=$(switches "$pid") w0=$(date +%s.%N)
if [ -n "$extra" ]; then et0=$(cpu_ns "$extra") es0=$(switches "$extra"); fi
# The sampler watches both processes over the stretch instead of a sleep.
mapfile -t wakes < <(python3 "$(dirname "$0")/wake_bursts.py" "$seconds" "$pid" ${extra:+"$extra"})
w1=$(date +%s.%N)
figures "$pid" "$t0" "$s0" "${wakes[0]:-0}" >"$out"
if [ -n "$extra" ] && [ -n "${EXTRA_OUT:-}" ]; then
    figures "$extra" "$et0" "$es0" "${wakes[1]:-0}" >"$EXTRA_OUT"
fi
kill "$launcher" 2>/dev/null
[ -n "$match" ] && kill "$pid" 2>/dev/null
wait "$launcher" 2>/dev/null
exit 0
