# shellcheck shell=bash
# shellcheck disable=SC2154  # root, out, work, build and quick come from run-all.sh
# Endurance (sourced by bench/run-all.sh): long random input, memory sampled,
# nothing left pressed at the end: a simulated week of pultara-sim (a day with
# QUICK=1), and real input to the Linux program for a minute (20 s with
# QUICK=1, ten minutes with ENDURANCE=1).
export FIGURES="$work/figures"

endurance_linux() {
    local seconds=$1 probe="$build/bench/measure/tick_probe"
    report "### Random virtual joystick input against a target window (Linux)"
    report ""
    if [ ! -x "$probe" ] || ! command -v Xvfb >/dev/null; then
        report "Skipped: needs tick_probe (built with the Linux back end) and Xvfb."
        report ""
        return
    fi
    local logs="$work/endurance"
    mkdir -p "$logs"
    bash tests/e2e-linux/virtual-desktop.sh --no-tray -- \
        bash bench/measure/endurance-run.sh "$build" "$logs" "$seconds" 2>>"$work/endurance.err"
    report "Program: \`tick_probe random\` (the core on the Linux back end, 10 ms tick) with every"
    report "kind of binding: keys, a repeating command, mouse tokens, program starts, mode switches"
    report "with focus, the three global mouse buttons, X on the arrow keys, Y on the pointer, Z on"
    report "the volume (PulseAudio null sink). A random joystick state every 10 to 300 ms, mostly"
    report "one button at a time; the target \`key_clock --cover\` fills the screen."
    report "Command: \`tests/e2e-linux/virtual-desktop.sh --no-tray -- bench/measure/endurance-run.sh build/linux OUT $seconds\`."
    report ""
    local status changes keys held after
    status=$(cat "$logs/status" 2>/dev/null || echo "did not run")
    changes=$(awk '$2 == "changes" {print $3}' "$logs/random.events" 2>/dev/null)
    keys=$(grep -c ' K ' "$logs/random.keys" 2>/dev/null)
    held=$(awk '$2 == "keys-down" {$1 = ""; $2 = ""; print}' "$logs/random.events" 2>/dev/null | xargs)
    after=$(xargs <"$logs/after-exit" 2>/dev/null)
    report "- exit status: $status; joystick changes: ${changes:-?}; keys received by the target: ${keys:-0}"
    report "- keys or mouse buttons held at the end, program still running: ${held:-none}"
    report "- held after the program ended: ${after:-none}"
    if [ -n "$held" ]; then
        report "- the program's last mouse button events (flags, ActiveMode, boxes of buttons 1..12):"
        sort -n "$logs/random.events" | awk '$2 == "mouse" {print "  " $3 " mode " $5 " boxes " $7}' |
            tail -n 6 | sed 's/^/  - /' >>"$out"
    fi
    report ""
    report "| memory (VmRSS) | samples | first → last | growth after the first tenth | flat |"
    report "|---|---|---|---|---|"
    KEY=endurance python3 bench/measure/analyse.py memory "$logs/rss" "tick_probe" >>"$out"
    report ""
    echo "endurance.status $status" >>"$FIGURES"
}

endurance_sim() {
    local minutes=$1
    report "### Simulated use in \`pultara-sim\` ($((minutes / 60)) h $((minutes % 60)) min of simulated time)"
    report ""
    local sim="$build/apps/sim/pultara-sim"
    if [ ! -x "$sim" ]; then
        report "Skipped: \`pultara-sim\` is not built."
        report ""
        return
    fi
    local logs="$work/sim"
    mkdir -p "$logs"
    python3 bench/measure/sim_week.py script "$minutes" >"$logs/use.script"
    python3 bench/measure/sim_week.py desktop >"$logs/desktop.txt"
    local started=$SECONDS
    "$sim" --quiet-store --desktop "$logs/desktop.txt" "$logs/use.script" \
        > >(python3 bench/measure/sim_week.py check >"$logs/check") 2>"$logs/stderr" &
    local pid=$! start=$SECONDS
    : >"$logs/rss"
    while kill -0 "$pid" 2>/dev/null; do
        awk -v t=$((SECONDS - start)) '$1 == "VmRSS:" {print t, $2}' "/proc/$pid/status" \
            >>"$logs/rss" 2>/dev/null
        sleep 0.5
    done
    wait "$pid"
    local status=$?
    sleep 1  # the checker reads the rest of the trace
    for _ in $(seq 60); do [ -s "$logs/check" ] && break; sleep 1; done
    report "Every kind of binding set through the controls (key commands, a repeating command,"
    report "mouse tokens, program starts, mode switches with focus, the three global mouse"
    report "buttons, X on the arrow keys, Y on the pointer, Z on the volume), then in every"
    report "simulated minute a burst of 3 to 12 random joystick states (10 to 300 ms each) and"
    report "rest. The trace is read as it is written and the keys and mouse buttons still down"
    report "at the end are listed. Wall time $((SECONDS - started)) s."
    report "Command: \`bench/measure/sim_week.py script $minutes > S; pultara-sim --quiet-store --desktop D S | bench/measure/sim_week.py check\`."
    report ""
    report "- exit status: $status $(head -c 200 "$logs/stderr" | tr '\n' ' ')"
    report "- poll ticks run: $(awk '$1 == "ticks" {print $2}' "$logs/check"); trace lines: $(awk '$1 == "lines" {print $2}' "$logs/check")"
    report "- keys or mouse buttons held at the end: $(awk '$1 == "held" {$1 = ""; print}' "$logs/check" | xargs)"
    report ""
    report "| memory (VmRSS) | samples | first → last | growth after the first tenth | flat |"
    report "|---|---|---|---|---|"
    KEY=sim python3 bench/measure/analyse.py memory "$logs/rss" "pultara-sim" >>"$out"
    report ""
}

endurance_qt() {
    report "### Random joystick input to the Linux program \`pultara\`"
    report ""
    local logs="$work/qt"
    if [ ! -s "$logs/endurance.joystick" ]; then
        report "Skipped: the Linux program \`pultara\` is not built (or its run failed; see above)."
        report ""
        return
    fi
    report "The same kinds of bindings written into its settings file, and a random"
    report "\`--demo-joystick\` script (a new state every 10 to 300 ms) against \`key_clock --cover\`;"
    report "run by \`bench/measure/qt-runs.sh\` (see the tick section)."
    report ""
    report "- state at the end of the script: $(cat "$logs/endurance.status" 2>/dev/null)"
    local held after
    held=$(xargs <"$logs/endurance.keys-down" 2>/dev/null || echo "?")
    after=$(xargs <"$logs/endurance.after-exit" 2>/dev/null || echo "?")
    report "- keys or mouse buttons held at the end, program still running: ${held:-none}"
    report "- ended by SIGTERM with exit status $(cat "$logs/endurance.exit" 2>/dev/null || echo "?"); held after it ended: ${after:-none}"
    report "- keys received by the target: $(grep -c ' K ' "$logs/endurance.keys" 2>/dev/null)"
    report "- settings file after the run: $(head -3 "$logs/endurance.settings" 2>/dev/null | xargs)"
    report ""
    report "| memory (VmRSS) | samples | first → last | growth after the first tenth | flat |"
    report "|---|---|---|---|---|"
    KEY=qt.endurance python3 bench/measure/analyse.py memory "$logs/endurance.rss" "pultara" >>"$out"
    report ""
}

section_endurance() {
    local seconds=60
    [ "$quick" = 1 ] && seconds=20
    [ "${ENDURANCE:-0}" = 1 ] && seconds=600
    report "## Endurance"
    report ""
    [ "${ENDURANCE:-0}" = 1 ] || report "Real input for $seconds s; \`ENDURANCE=1 bash bench/run-all.sh\` runs ten minutes."
    report ""
    endurance_linux "$seconds"
    endurance_qt
    local minutes=10080  # a week (about a minute of wall time)
    [ "$quick" = 1 ] && minutes=1440
    endurance_sim "$minutes"
}
section_endurance
