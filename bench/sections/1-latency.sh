# shellcheck shell=bash
# shellcheck disable=SC2154  # root, out, work, build and quick come from run-all.sh
# Press-to-key latency, tick accuracy and pointer speed on a virtual display
# (sourced by bench/run-all.sh). The core runs on the Linux back end in
# tick_probe; key_clock timestamps what reaches the target window.
section_latency() {
    report "## Press-to-key latency and tick accuracy (Linux, virtual display)"
    report ""
    local probe="$build/bench/measure/tick_probe"
    if [ ! -x "$probe" ] || ! command -v Xvfb >/dev/null; then
        report "Skipped: needs tick_probe (built with the Linux back end) and Xvfb."
        report ""
        return
    fi
    local presses=1000 seconds=30
    [ "$quick" = 1 ] && presses=200 seconds=5
    local logs="$work/latency"
    mkdir -p "$logs"
    bash tests/e2e-linux/virtual-desktop.sh --no-tray --no-sound -- \
        bash bench/measure/probe-runs.sh "$build" "$logs" "$presses" "$seconds" 2>>"$work/latency.err"
    local analyse="python3 bench/measure/analyse.py"
    report "Program: \`tick_probe\`, the core with the real dispatcher, mode commands, key"
    report "interpreter and axis outputs on the Linux back end (SDL2 joystick, XTest), ticking on"
    report "an absolute CLOCK_MONOTONIC timer. A second thread moves an SDL virtual joystick at a"
    report "random phase of the tick and notes the moment; \`key_clock\`, a separate X client whose"
    report "window has the focus, notes when each KeyPress reaches it. Openbox on Xvfb."
    report "With \`--wake 1\` the poll sleeps while the core is at rest and the joystick thread wakes"
    report "it after each change through a pipe opened as the joystick's input node would be (there"
    report "is no /dev/uinput here, so the kernel's evdev delivery is not in the figure); the rows"
    report "without it tick every 10 ms, as the programs do while anything is active."
    report "Command: \`tests/e2e-linux/virtual-desktop.sh --no-tray --no-sound -- bench/measure/probe-runs.sh build/linux OUT $presses $seconds\`,"
    report "then \`bench/measure/analyse.py\`."
    report ""
    report "| input (tick) | presses | median | 99th percentile | maximum |"
    report "|---|---|---|---|---|"
    {
        KEY=latency.button10 $analyse latency "$logs/presses10.events" "$logs/presses10.keys" \
            press a "button 1 → \"a\" (10 ms)" "$logs/presses10.ticks"
        KEY=latency.arrow10 $analyse latency "$logs/arrows10.events" "$logs/arrows10.keys" \
            deflect Left "X to the low end → {left} (10 ms)" "$logs/arrows10.ticks"
        $analyse latency "$logs/presses1.events" "$logs/presses1.keys" press a \
            "button 1 → \"a\" (1 ms)"
        KEY=latency.wake10 $analyse latency "$logs/wake10.events" "$logs/wake10.keys" \
            press a "button 1 → \"a\" from rest, poll asleep (10 ms, \`--wake 1\`)" \
            "$logs/wake10.ticks"
        KEY=latency.floor $analyse latency "$logs/floor.events" "$logs/floor.keys" press a \
            "the floor: \"a\" through XTest from rest, no program (\`xtest_floor.py\`)"
    } >>"$out"
    report ""
    report "| tick | intervals | median | mean | 99th percentile | within 5 % |"
    report "|---|---|---|---|---|---|"
    {
        KEY=tick10 $analyse ticks "$logs/rest10.ticks" 10 "10 ms, joystick at rest"
        $analyse ticks "$logs/presses10.ticks" 10 "10 ms, while typing"
        KEY=tick1 $analyse ticks "$logs/rest1.ticks" 1 "1 ms, joystick at rest"
    } >>"$out"
    report ""
    report "| pointer, X at full deflection, defaults (maxMouseSpeed 32, 10 ms) | speed | measured over |"
    report "|---|---|---|"
    KEY=pointer $analyse pointer "$logs/pointer.events" "$logs/pointer.keys" \
        "expected about 1000 px/s (10 px per tick)" >>"$out"
    report ""
    report "| start-up to the first tick (exec, X connection, SDL, one 10 ms interval) | median | each start |"
    report "|---|---|---|"
    local pairs=() run
    for run in 1 2 3 4 5; do pairs+=("$logs/startup$run.exec" "$logs/startup$run.ticks"); done
    KEY=startup $analyse startup "\`tick_probe rest\`" "${pairs[@]}" >>"$out"
    report ""
    section_linux_program_ticks
}

# The Linux program itself: its tick seen as the cadence of arrow keys, and
# its pointer speed. Its endurance run happens here too (the section
# "Endurance" reports it), so that the desktop is set up once.
section_linux_program_ticks() {
    local qt="$build/apps/qt/pultara"
    if [ ! -x "$qt" ]; then
        report "The Linux program \`pultara\` is not built: its tick is not measured."
        report ""
        return
    fi
    local seconds=30 endurance=60
    [ "$quick" = 1 ] && seconds=5 endurance=20
    [ "${ENDURANCE:-0}" = 1 ] && endurance=600
    local logs="$work/qt"
    mkdir -p "$logs"
    bash tests/e2e-linux/virtual-desktop.sh -- bash bench/measure/qt-runs.sh \
        "$qt" "$build" "$logs" "$seconds" "$endurance" 2>>"$work/qt.err"
    report "### The Linux program \`pultara\`"
    report ""
    report "Its own joystick script (\`--demo-joystick\`) holds X at the low end with X on the arrow"
    report "keys for $seconds s: one {left} per tick reaches \`key_clock\`, so the intervals between"
    report "their arrivals are the program's tick intervals (plus the key's own jitter). The script"
    report "moves the joystick in step with the tick, so it cannot show the wait for the tick:"
    report "press-to-key latency is measured with \`tick_probe\` above."
    report "Command: \`tests/e2e-linux/virtual-desktop.sh -- bench/measure/qt-runs.sh build/linux/apps/qt/pultara build/linux OUT $seconds $endurance\`."
    report ""
    report "| tick | intervals | median | mean | 99th percentile | within 5 % |"
    report "|---|---|---|---|---|---|"
    KEY=qt.tick10 python3 bench/measure/analyse.py cadence "$logs/cadence.keys" Left 10 \
        "10 ms, arrival of {left}" >>"$out"
    report ""
    report "| start-up to the first tick (exec to the first tick's {left} at the target, settings read, windows built) | median | each start |"
    report "|---|---|---|"
    local pairs=() run
    for run in 1 2 3 4 5; do pairs+=("$logs/startup$run.exec" "$logs/startup$run.first"); done
    KEY=qt.startup python3 bench/measure/analyse.py startup "\`pultara\`" "${pairs[@]}" >>"$out"
    report ""
    report "| pointer, X at full deflection, defaults | speed | measured over |"
    report "|---|---|---|"
    KEY=qt.pointer python3 bench/measure/analyse.py pointer "$logs/pointer.events" \
        "$logs/pointer.keys" "expected about 1000 px/s" >>"$out"
    report ""
}
export FIGURES="$work/figures"
section_latency
