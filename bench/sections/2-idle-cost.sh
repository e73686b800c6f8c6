# shellcheck shell=bash
# shellcheck disable=SC2154  # root, out, work, build and quick come from run-all.sh
# Idle cost of the running program with the joystick at rest (sourced by
# bench/run-all.sh): CPU, wake-ups and memory over a quiet stretch.
export FIGURES="$work/figures"

mb() { echo "$(($1 / 1024)).$((($1 % 1024) * 10 / 1024)) MB"; }

# idle_run KEY SECONDS [process-cost options] -- command...
# Runs the command once on a private virtual desktop; appends its figures
# (a process-cost.sh line) to $work/idle-KEY.runs.
idle_run() {
    local key=$1 seconds=$2; shift 2
    local result="$work/idle-$key.once"
    rm -f "$result"
    bash tests/e2e-linux/virtual-desktop.sh --no-sound -- \
        bash bench/measure/process-cost.sh "$result" "$seconds" "$@" 2>>"$work/idle.err"
    if [ -s "$result" ] && [ "$(cat "$result")" != "not running" ]; then
        cat "$result" >>"$work/idle-$key.runs"
    fi
}

# idle_row LABEL KEY: one table row from the medians of the key's runs.
idle_row() {
    local label=$1 key=$2
    if [ ! -s "$work/idle-$key.runs" ]; then
        report "| $label | did not run | | | | | | | |"
        return
    fi
    python3 - "$work/idle-$key.runs" "$label" "$key" "$FIGURES" >>"$out" <<'PY'
import statistics, sys
runs = [list(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
label, key, figures = sys.argv[2], sys.argv[3], sys.argv[4]
median = [statistics.median(column) for column in zip(*runs)]
cpus = sorted(run[0] for run in runs)
mb = lambda kb: f"{kb / 1024:.1f} MB"
print(f"| {label} | {median[0]:.3f} % | {cpus[0]:.3f} to {cpus[-1]:.3f} % ({len(runs)} run{'s' if len(runs) > 1 else ''}) "
      f"| {median[6]:.2f} | {median[1]:.1f} | {mb(median[2])} | {mb(median[3])} | {mb(median[4])} "
      f"| {mb(median[5])} |")
with open(figures, "a") as f:
    f.write(f"{key}.cpu {median[0]}\n{key}.rss {median[2]}\n{key}.anon {median[4]}\n"
            f"{key}.wakeups {median[6]}\n{key}.switches {median[1]}\n")
PY
}

section_idle() {
    report "## Idle cost (joystick attached and at rest, window hidden)"
    report ""
    local seconds=60 rounds=${IDLE_ROUNDS:-3}
    [ "$quick" = 1 ] && seconds=15 rounds=1
    local probe="$build/bench/measure/tick_probe"
    if [ ! -x "$probe" ] || ! command -v Xvfb >/dev/null; then
        report "Skipped: needs tick_probe (built with the Linux back end) and Xvfb."
        report ""
        return
    fi
    report "Each program runs alone on a fresh virtual desktop (Xvfb, openbox, tint2) and is"
    report "measured over $seconds s after settling for 3 s: CPU time of all its threads"
    report "(/proc/PID/task/*/schedstat) as a percentage of one core, voluntary and involuntary"
    report "context switches per second (/proc/PID/task/*/status), wake-ups per second (bursts"
    report "of those switches, sampled every 2 ms by \`bench/measure/wake_bursts.py\`: one wake-up"
    report "from sleep that makes many blocking round trips, as \`pultara.exe\`'s 5 s save does"
    report "through wineserver, is one wake-up but hundreds of switches), VmRSS and VmHWM at the end,"
    report "RssAnon (what the program allocated itself: heap and stacks) and Pss (its"
    report "proportional share of all it maps, from /proc/PID/smaps_rollup). Most of a Qt"
    report "program's VmRSS is the code of Qt and the system libraries, which every Qt program"
    report "on the desktop maps too."
    report "Command: \`tests/e2e-linux/virtual-desktop.sh --no-sound -- bench/measure/process-cost.sh OUT $seconds -- PROGRAM\`."
    report ""
    if [ "$rounds" = 1 ]; then
        report "Each program runs once, the programs taking turns (CPU and wake-ups vary from run"
        report "to run on a virtual machine: \`IDLE_ROUNDS=3\` gives medians of three)."
    else
        report "Each program runs $rounds times, the programs taking turns, and each row gives the"
        report "medians (CPU and wake-ups vary from run to run on a virtual machine)."
    fi
    report ""
    report "| program (10 ms tick) | CPU of one core | CPU, lowest to highest | wake-ups/s | context switches/s | VmRSS | VmHWM | RssAnon | Pss |"
    report "|---|---|---|---|---|---|---|---|---|"
    local run=$((seconds + 10))
    local qt="$build/apps/qt/pultara" exe="" candidate
    local loop="$root/build/windows/tests/win32/win32_idle_loop.exe"
    printf '32768 32768 32768 0\n' >"$work/rest.joystick"
    for candidate in "$root"/build/windows/apps/*/pultara.exe; do
        [ -f "$candidate" ] && { exe=$candidate; break; }
    done
    if [ -n "$exe" ] && command -v wine >/dev/null; then
        # A prefix of its own, made before the measurements (wineboot is slow).
        export PULTARA_WINEPREFIX="$work/wine"
        bash tests/e2e-linux/virtual-desktop.sh --no-sound -- \
            bash scripts/wine-run.sh cmd /c exit >/dev/null 2>&1
    else
        exe=""
    fi
    for _ in $(seq "$rounds"); do
        idle_run floor "$seconds" -- "$probe" timer --seconds "$run" --log /dev/null
        idle_run probe "$seconds" -- "$probe" rest --seconds "$run" --log /dev/null
        idle_run asleep "$seconds" -- "$probe" rest --seconds "$run" --log /dev/null --wake 1
        [ -x "$qt" ] && idle_run linux "$seconds" -- "$qt" --demo-joystick "$work/rest.joystick"
        [ -x "$qt" ] && idle_run nojoy "$seconds" -- "$qt"
        if [ -n "$exe" ]; then
            # wineserver's own cost over the same stretch, reported apart.
            rm -f "$work/idle-wineserver.once"
            MATCH_ENV="WINEPREFIX=$PULTARA_WINEPREFIX" EXTRA_MATCH=wineserver \
                EXTRA_OUT="$work/idle-wineserver.once" \
                SETTLE=10 idle_run windows "$seconds" --match pultara.exe -- \
                bash scripts/wine-run.sh "$exe"
            [ -s "$work/idle-wineserver.once" ] &&
                cat "$work/idle-wineserver.once" >>"$work/idle-wineserver.runs"
            # A bare message loop of the same shape: what Wine costs on its own.
            [ -f "$loop" ] && MATCH_ENV="WINEPREFIX=$PULTARA_WINEPREFIX" SETTLE=10 \
                idle_run wineloop "$seconds" \
                --match win32_idle_loop -- bash scripts/wine-run.sh "$loop"
        fi
    done
    unset PULTARA_WINEPREFIX
    idle_row "timer alone: \`tick_probe timer\` (the floor of any 10 ms poll)" floor
    idle_row "core on the Linux back end: \`tick_probe rest\`" probe
    idle_row "the same, asleep at rest: \`tick_probe rest --wake 1\`" asleep
    if [ -x "$qt" ]; then
        idle_row "Linux program at rest: \`pultara --demo-joystick\` (in the tray, asleep)" linux
        idle_row "Linux program, no joystick: \`pultara\` (in the tray, asleep)" nojoy
    else
        report "| Linux program \`pultara\` | not built | | | | | | | |"
    fi
    if [ -n "$exe" ]; then
        idle_row "\`pultara.exe\` under Wine (its process only, not wineserver; no joystick)" windows
        idle_row "wineserver meanwhile (Wine's own, apart)" wineserver
        [ -f "$loop" ] && idle_row "bare Win32 loop of the same shape under Wine (\`win32_idle_loop.exe\`: tray icon, Raw Input, 5 s empty timer)" wineloop
    else
        report "| \`pultara.exe\` under Wine | not built (\`cmake --build --preset windows\`) | | | | | | | |"
    fi
    report ""
}
section_idle
