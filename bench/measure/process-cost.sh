#!/usr/bin/env bash
# Runs a command, lets it settle, and measures its cost over a while:
# CPU as a percentage of one core (all threads),
# wake-ups per second (voluntary and involuntary context switches of all
# its threads), and VmRSS, VmHWM, RssAnon and Pss at the end.
# Writes one line to OUT:
#   <cpu %> <wake-ups/s> <VmRSS kB> <VmHWM kB> <RssAnon kB> <Pss kB>
#
#   process-cost.sh OUT SECONDS [--match NAME] -- command [args...]
#
# --match NAME measures the newest process whose command name is NAME (for
# a program started through a launcher such as wine) instead of the command.
set -uo pipefail
out=$1 seconds=$2; shift 2
match=""
if [ "$1" = --match ]; then match=$2; shift 2; fi
[ "$1" = -- ] && shift

"$@" >/dev/null 2>&1 &
launcher=$!
sleep "${SETTLE:-3}"
pid=$launcher
if [ -n "$match" ]; then pid=$(pgrep -n -x "$match" || true); fi
if [ -z "$pid" ] || [ ! -d "/proc/$pid" ]; then
    echo "not running" >"$out"; kill "$launcher" 2>/dev/null; exit 0
fi

# Nanoseconds on a CPU, summed over the threads (finer than the clock ticks
# of /proc/PID/stat).
cpu_ns() { cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%d", n}'; }
switches() {
    cat /proc/"$pid"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2} END {print n}'
}
field() { awk -v f="$1:" '$1 == f {print $2}' "/proc/$pid/status"; }

t0=$(cpu_ns) s0=$(switches) w0=$(date +%s.%N)
sleep "$seconds"
t1=$(cpu_ns) s1=$(switches) w1=$(date +%s.%N)
rss=$(field VmRSS) hwm=$(field VmHWM)
# Memory the program itself allocated (heap, stacks: RssAnon) and its
# proportional share of everything it maps (Pss).
anon=$(field RssAnon)
pss=$(awk '$1 == "Pss:" {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null)
awk -v t="$((t1 - t0))" -v s="$((s1 - s0))" -v w0="$w0" -v w1="$w1" \
    -v rss="$rss" -v hwm="$hwm" -v anon="${anon:-0}" -v pss="${pss:-0}" \
    'BEGIN {d = w1 - w0; printf "%.3f %.1f %d %d %d %d\n", 100 * t / 1e9 / d, s / d, rss, hwm, anon, pss}' >"$out"
kill "$launcher" 2>/dev/null
[ -n "$match" ] && kill "$pid" 2>/dev/null
wait "$launcher" 2>/dev/null
exit 0
