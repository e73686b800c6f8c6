#!/usr/bin/env bash
# Runs every measurement and writes docs/performance.md. Figures come from
# whole programs and from Google Benchmark; nothing here is a pass/fail test.
#
#   bash bench/run-all.sh            # everything that is built or buildable
#   QUICK=1 bash bench/run-all.sh    # shorter runs (for trying the script)
#   ENDURANCE=1 bash bench/run-all.sh  # full endurance runs (ten minutes and more)
#
# The sections in bench/sections/ run the whole programs on private virtual
# displays (tests/e2e-linux/virtual-desktop.sh) and skip what is not built.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$(pwd)
out="$root/docs/performance.md"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2034  # read by the sections
quick=${QUICK:-0}

bash scripts/install-deps.sh >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)" >/dev/null || { echo "build failed"; exit 1; }
build="$root/build/linux"
# pultara.exe for the Wine rows, where the cross compiler is there.
if command -v x86_64-w64-mingw32-g++ >/dev/null; then
    { cmake --preset windows && cmake --build --preset windows -j "$(nproc)"; } >/dev/null 2>&1 ||
        echo "the Windows build failed: its rows are left out"
fi

report() { printf '%s\n' "$*" >>"$out"; }

section_core_cost() {
    report "## Core cost (Google Benchmark)"
    report ""
    report "Command: \`build/linux/bench/<name> --benchmark_min_time=0.2\`"
    report ""
    report "| benchmark | time per iteration | counters |"
    report "|---|---|---|"
    for b in $(find "$build/bench" -maxdepth 2 -type f -name '*_benchmark' | sort); do
        "$b" --benchmark_min_time=0.2 --benchmark_format=json >"$work/b.json" 2>/dev/null || continue
        python3 - "$work/b.json" >>"$out" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
skip = {"name","run_name","run_type","repetitions","repetition_index","threads","iterations",
        "real_time","cpu_time","time_unit","family_index","per_family_instance_index","aggregate_name"}
for b in data["benchmarks"]:
    extra = ", ".join(f"{k} {v:.3g}" for k, v in b.items() if k not in skip and isinstance(v, (int, float)))
    print(f"| {b['name']} | {b['cpu_time']:.1f} {b['time_unit']} | {extra} |")
PY
    done
    report ""
}

instructions() {  # scenario count -> total instructions
    valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" \
        "$build/bench/measure/tick_instructions" "$1" "$2" >/dev/null 2>"$work/cg.err"
    grep -E '^summary:|^totals:' "$work/cg.out" | head -1 | awk '{print $2}'
}

section_instructions() {
    report "## Instructions per tick (callgrind)"
    report ""
    report "Command: \`valgrind --tool=callgrind build/linux/bench/measure/tick_instructions SCENARIO N\`,"
    report "run with N = 0 and N = 100000; the difference divided by N (real axis outputs,"
    report "platform doubles that do nothing)."
    report ""
    report "| scenario | instructions per tick |"
    report "|---|---|"
    for scenario in idle pointer; do
        local base full
        base=$(instructions "$scenario" 0)
        full=$(instructions "$scenario" 100000)
        report "| $scenario | $(( (full - base) / 100000 )) |"
    done
    report ""
}

section_sizes() {
    report "## Executable sizes"
    report ""
    report "| file | bytes |"
    report "|---|---|"
    for f in "$build"/apps/*/pultara* "$root"/build/windows/apps/*/pultara*.exe; do
        [ -f "$f" ] && [ -x "$f" ] && report "| ${f#"$root"/} | $(stat -c %s "$f") |"
    done
    report ""
}

: >"$out"
report "# Performance figures"
report ""
report "Measured by \`bash bench/run-all.sh\` on $(date -u +%Y-%m-%d), $(nproc) cores,"
report "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')."
report "Load average at the start: $(cut -d' ' -f1-3 /proc/loadavg) (figures of whole programs"
report "depend on what else the machine runs; instruction counts do not)."
if awk -v n="$(nproc)" '{exit !($1 > n)}' /proc/loadavg; then
    report "**The machine was busy (load above its number of cores): latency, tick and idle"
    report "figures of whole programs are noisy and worse than on a quiet machine.**"
fi
report ""
section_core_cost
section_instructions
section_sizes
for extra in "$root"/bench/sections/*.sh; do
    # shellcheck source=/dev/null  # each section is checked on its own
    [ -f "$extra" ] && source "$extra"
done
report "Measurements taken by hand, with their commands (the programs asleep at rest, before"
report "and after changes): [performance-by-hand.md](performance-by-hand.md)."
echo "wrote $out"
