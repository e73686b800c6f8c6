# Idle cost of the running program with the joystick at rest (sourced by
# bench/run-all.sh): CPU, wake-ups and memory over a quiet stretch.
export FIGURES="$work/figures"

mb() { echo "$(($1 / 1024)).$((($1 % 1024) * 10 / 1024)) MB"; }

# idle_row LABEL KEY SECONDS [process-cost options] -- command...
# Runs the command on a private virtual desktop and appends one table row.
idle_row() {
    local label=$1 key=$2 seconds=$3; shift 3
    local result="$work/idle-$key"
    bash tests/e2e-linux/virtual-desktop.sh --no-sound -- \
        bash bench/measure/process-cost.sh "$result" "$seconds" "$@" 2>>"$work/idle.err"
    if [ ! -s "$result" ] || [ "$(cat "$result")" = "not running" ]; then
        report "| $label | did not run | | | | | |"
        return
    fi
    local cpu wakes rss hwm anon pss
    read -r cpu wakes rss hwm anon pss <"$result"
    report "| $label | $cpu % | $wakes | $(mb "$rss") | $(mb "$hwm") | $(mb "${anon:-0}") | $(mb "${pss:-0}") |"
    printf '%s.cpu %s\n%s.rss %s\n%s.anon %s\n' "$key" "$cpu" "$key" "$rss" \
        "$key" "${anon:-0}" >>"$FIGURES"
}

section_idle() {
    report "## Idle cost (joystick attached and at rest, window hidden)"
    report ""
    local seconds=60
    [ "$quick" = 1 ] && seconds=15
    local probe="$build/bench/measure/tick_probe"
    if [ ! -x "$probe" ] || ! command -v Xvfb >/dev/null; then
        report "Skipped: needs tick_probe (built with the Linux back end) and Xvfb."
        report ""
        return
    fi
    report "Each program runs alone on a fresh virtual desktop (Xvfb, openbox, tint2) and is"
    report "measured over $seconds s after settling for 3 s: CPU time of all its threads"
    report "(/proc/PID/task/*/schedstat) as a percentage of one core, voluntary and involuntary"
    report "context switches per second (/proc/PID/task/*/status), VmRSS and VmHWM at the end,"
    report "RssAnon (what the program allocated itself: heap and stacks) and Pss (its"
    report "proportional share of all it maps, from /proc/PID/smaps_rollup). Most of a Qt"
    report "program's VmRSS is the code of Qt and the system libraries, which every Qt program"
    report "on the desktop maps too."
    report "Command: \`tests/e2e-linux/virtual-desktop.sh --no-sound -- bench/measure/process-cost.sh OUT $seconds -- PROGRAM\`."
    report ""
    report "| program (10 ms tick) | CPU of one core | wake-ups/s | VmRSS | VmHWM | RssAnon | Pss |"
    report "|---|---|---|---|---|---|---|"
    local run=$((seconds + 10))
    idle_row "timer alone: \`tick_probe timer\` (the floor of any 10 ms poll)" floor "$seconds" -- \
        "$probe" timer --seconds "$run" --log /dev/null
    idle_row "core on the Linux back end: \`tick_probe rest\`" probe "$seconds" -- \
        "$probe" rest --seconds "$run" --log /dev/null
    local qt="$build/apps/qt/pultara"
    if [ -x "$qt" ]; then
        printf '32768 32768 32768 0\n' >"$work/rest.joystick"
        idle_row "Linux program: \`pultara --demo-joystick\` (in the tray)" linux "$seconds" -- \
            "$qt" --demo-joystick "$work/rest.joystick"
    else
        report "| Linux program \`pultara\` | not built | | | | | |"
    fi
    local exe
    exe=$(ls "$root"/build/windows/apps/*/pultara.exe 2>/dev/null | head -1)
    if [ -n "$exe" ] && command -v wine >/dev/null; then
        # A prefix of its own, made before the measurement (wineboot is slow).
        export PULTARA_WINEPREFIX="$work/wine"
        bash scripts/wine-run.sh cmd /c exit >/dev/null 2>&1
        export SETTLE=10
        idle_row "\`pultara.exe\` under Wine (its process only, not wineserver; no joystick)" \
            windows "$seconds" --match pultara.exe -- bash scripts/wine-run.sh "$exe"
        unset PULTARA_WINEPREFIX SETTLE
    else
        report "| \`pultara.exe\` under Wine | not built (\`cmake --build --preset windows\`) | | | | | |"
    fi
    report ""
}
section_idle
