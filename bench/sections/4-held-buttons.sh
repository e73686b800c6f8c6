# shellcheck shell=bash
# shellcheck disable=SC2154  # root, out, work, build and quick come from run-all.sh
# Ways a global mouse button stays down, found by the endurance runs and kept
# here as reproductions in pultara-sim (sourced by bench/run-all.sh).
section_held_buttons() {
    local sim="$build/apps/sim/pultara-sim"
    report "## Mouse buttons left down (found by the endurance runs)"
    report ""
    if [ ! -x "$sim" ]; then
        report "Skipped: \`pultara-sim\` is not built."
        report ""
        return
    fi
    report "A joystick button bound to a global mouse button presses it and its release lifts it."
    report "These are the cases in which the release itself is not dispatched (a repeating"
    report "command, the window shown meanwhile); the dispatcher's record of the mouse buttons it"
    report "pressed lifts them all the same, so each should end with nothing held."
    report "Each row is a \`pultara-sim\` script; \"held\" is what is still down when it ends."
    report ""
    report "| case | script | held at the end |"
    report "|---|---|---|"
    local rest="32768 32768 32768 0"
    held_case "its command in the ActiveMode is a repeating one (\"#...\"): pressed on every tick, the release never dispatched" \
        "select ComboBoxMausM 8|set EditM1b8 \"#x\"|$rest x5|32768 32768 32768 [8] x3|$rest x5"
    held_case "the main window is shown while it is held (buttons are ignored while the window is shown)" \
        "select ComboBoxMausL 1|$rest x5|32768 32768 32768 [1] x3|tray left|$rest x3|tray left|$rest x3"
    held_case "a mode switch while it is held, into a mode where its command is repeating" \
        "select ComboBoxMausR 7|select ComboBoxM2 2|set EditM2b7 \"#x\"|$rest x5|32768 32768 32768 [7] x3|32768 32768 32768 [2,7] x3|$rest x5"
    report ""
}

held_case() {  # held_case DESCRIPTION SCRIPT (lines separated by |)
    tr '|' '\n' <<<"$2" >"$work/held.script"
    local held
    held=$("$build/apps/sim/pultara-sim" --quiet-store "$work/held.script" 2>&1 |
        python3 bench/measure/sim_week.py check | awk '$1 == "held" {$1 = ""; print}' | xargs)
    report "| $1 | \`${2//|/; }\` | ${held:-none} |"
}
section_held_buttons
