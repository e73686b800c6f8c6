# Endurance (sourced by bench/run-all.sh): long random input, memory sampled,
# nothing left pressed at the end. ENDURANCE=1 runs the full lengths (ten
# minutes of the Linux program, a simulated week of pultara-sim); otherwise
# a short run shows that the machinery works (shorter still with QUICK=1).
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
    report ""
    report "| memory (VmRSS) | samples | first → last | growth after the first tenth | flat |"
    report "|---|---|---|---|---|"
    KEY=endurance python3 bench/measure/analyse.py memory "$logs/rss" "tick_probe" >>"$out"
    report ""
    echo "endurance.status $status" >>"$FIGURES"
}

endurance_sim() {
    report "### A simulated week in \`pultara-sim\`"
    report ""
    local sim
    sim=$(ls "$build"/apps/*/pultara-sim 2>/dev/null | head -1)
    if [ -z "$sim" ]; then
        report "Skipped: \`pultara-sim\` is not built."
        report ""
        return
    fi
    report "Not measured yet: \`$sim\` exists, but this script does not drive it yet."
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
    report "- keys or mouse buttons held at the end: $(xargs <"$logs/endurance.keys-down" 2>/dev/null || echo "?")"
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
    [ "${ENDURANCE:-0}" = 1 ] || report "Short run of $seconds s; \`ENDURANCE=1 bash bench/run-all.sh\` runs ten minutes."
    report ""
    endurance_linux "$seconds"
    endurance_qt
    endurance_sim
}
section_endurance
