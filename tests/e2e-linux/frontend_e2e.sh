#!/usr/bin/env bash
# The real pultara on the virtual desktop (run through virtual-desktop.sh):
#   frontend_e2e.sh PULTARA KEY_TARGET OUTPUT_FOLDER
# 1. A first start writes all 86 settings while it runs, before anything asks
#    it to save (the periodic save; its interval is the save timer's, checked
#    by the unit tests and the simulator without a real clock); a click on the
#    tray icon shows the main window (screenshot saved to OUTPUT_FOLDER), a
#    second click hides it; the close box ends the program.
# 2. "Buttons umbenennen" opens the rename dialog, Enter presses its default
#    button and the names section is written; a change made in the main
#    window just before SIGTERM is in the settings file afterwards.
# 3. With a profile and the demo joystick: a button types its command into
#    its mode's window and the focus goes back, a mode switch activates the
#    mode's window, "!" starts a program, an axis moves the pointer and
#    another sets the volume of the sound server's sink.
set -euo pipefail
PULTARA=$1 TARGET=$2 OUT=$3
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/scenario.sh"
main_window() { window_named Pultara; }
has_main_window() { [ -n "$(main_window)" ]; }
no_main_window() { [ -z "$(main_window)" ]; }

step "first start: settings written while running, tray icon, screenshot, close box"
"$PULTARA" >"$OUT/pultara-first.log" 2>&1 &
pid=$!
wait_until 20 has_tray_icon || fail "no tray icon"
# A generous limit: on a busy machine the first save can come late.
wait_until 30 has_all_settings "$SETTINGS" || fail "settings file has $(settings_count "$SETTINGS") of 86 values after 30 s"
kill -0 "$pid" || fail "pultara ended before its settings were checked"
wait_until 5 no_main_window || fail "the main window did not go to the tray"
click_tray_icon
wait_until 5 has_main_window || fail "a click on the tray icon did not show the main window"
# Answered once the program has handled the window's first expose events.
"$TARGET" --ping "$(main_window)" || fail "pultara did not answer a ping"
import -window "$(main_window)" "$OUT/pultara-main.png"
echo "screenshot: $OUT/pultara-main.png"
click_tray_icon
wait_until 5 no_main_window || fail "a second click did not hide the main window"
click_tray_icon
wait_until 5 has_main_window || fail "a third click did not show the main window"
close_box() {  # Alt+F4 to the window manager, again if the window was not yet active
  local window; window=$(main_window)
  [ -z "$window" ] || xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
  wait_until 3 sh -c "! kill -0 $pid"
}
wait_until 12 close_box || fail "the close box did not end the program"
wait "$pid" || fail "pultara ended with an error"

step "rename dialog: Enter saves the names; a change made just before SIGTERM is saved"
"$PULTARA" >"$OUT/pultara-term.log" 2>&1 &
pid=$!
wait_until 20 has_tray_icon || fail "no tray icon on the second start"
click_tray_icon
wait_until 5 has_main_window || fail "a click on the tray icon did not show the main window"
xdotool windowactivate --sync "$(main_window)"
# From the first control, back past "Info" and "Hilfe" to "Buttons umbenennen".
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space
rename_dialog() { xdotool search --onlyvisible --name '^Buttons umbenennen$' 2>/dev/null; }
wait_until 5 rename_dialog || fail "\"Buttons umbenennen\" did not open the dialog"
dialog_active() { [ "$(xdotool getactivewindow)" = "$(rename_dialog | sed -n 1p)" ]; }
wait_until 5 dialog_active || fail "the rename dialog did not get the focus"
xdotool key ctrl+a type "Feuer"
xdotool key Return
names_saved() { grep -qx '"name1"="Feuer"' "$SETTINGS" && grep -qx '"name12"="Button 12"' "$SETTINGS"; }
wait_until 5 names_saved || fail "the names section was not written: $(grep -A12 'names\]' "$SETTINGS")"
wait_until 5 sh -c '! xdotool search --onlyvisible --name "^Buttons umbenennen$"' ||
  fail "the rename dialog stayed open"
# Back from "Buttons umbenennen" past "Beenden" and "Start" to the last
# control of the first mode page, "Fokus sicherstellen", and tick it.
window=$(main_window)
main_window_active() { [ "$(xdotool getactivewindow)" = "$window" ]; }
wait_until 5 main_window_active || fail "the focus did not come back to the main window"
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space
# The program answers a ping once it has read the keys sent before it.
"$TARGET" --ping "$window" || fail "pultara did not answer a ping"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"
grep -qx '"CheckBoxM1F"=dword:00000001' "$SETTINGS" ||
  fail "the setting changed before SIGTERM was lost: $(grep CheckBoxM1F "$SETTINGS")"
names_saved || fail "the names were lost"
[ "$(settings_count "$SETTINGS")" = 86 ] || fail "settings file has $(settings_count "$SETTINGS") of 86 values after SIGTERM"

step "a profile for the demo joystick"
set_value() { sed -i "s|^\"$1\"=.*|\"$1\"=$2|" "$SETTINGS"; }
set_value M1fte dword:00000001
set_value CheckBoxM1F dword:00000001
set_value M1ft '"Pultara Ziel Eins"'
set_value M1b1 '"+ab~{LEFT 2}{x 3}"'
set_value M2fte dword:00000001
set_value M2ft '"Pultara Ziel Zwei"'
set_value M2b dword:00000002
set_value M2b3 "\"!$TARGET --title 'Pultara gestartet' --tag Gestartet --log $LOG\""
set_value CheckBoxGoBack dword:00000001
set_value x dword:0000000b
set_value y dword:00000001
# One target process owns the three windows, so its log is in the X server's
# order of keys and focus changes.
"$TARGET" --title "Pultara Ziel Eins" --tag Eins --also "Pultara Ziel Zwei=Zwei" \
  --also "Pultara Ziel Drei=Drei" --log "$LOG" --log-focus 1 &
wait_until 10 sh -c 'xdotool search --name "^Pultara Ziel Drei$"' || fail "targets did not start"
xdotool windowactivate --sync "$(xdotool search --name '^Pultara Ziel Drei$' | sed -n 1p)"
xdotool mousemove 200 200
cat >"$OUT/demo.joy" <<'SCRIPT'
# rest, then buttons 1, 2 and 3 one after the other, then the axes
32768 32768 32768 0 x150
32768 32768 32768 1 x5
32768 32768 32768 0 x250
32768 32768 32768 2 x5
32768 32768 32768 0 x250
32768 32768 32768 4 x5
32768 32768 32768 0 x150
65535 32768 32768 0 x50
32768 16384 32768 0 x100
SCRIPT
"$PULTARA" --demo-joystick "$OUT/demo.joy" >"$OUT/pultara-demo.log" 2>&1 &
pid=$!

step "button 1 types its command into mode 1's window, then the focus goes back"
typed_into_eins() {
  [ "$(grep '^Eins:' "$LOG" | grep -v '{Focus}' | sed 's/^Eins://' | tr -d '\n')" = \
    'Ab{Return}{Left}{Left}XXX' ]
}
wait_until 20 typed_into_eins || fail "mode 1's window did not receive its keys"
focus_back_after_keys() {
  awk '/^Eins:[^{]|^Eins:\{[^F]/ {last = NR} /^Drei:\{Focus\}/ {focus = NR}
       END {exit !(last && focus > last)}' "$LOG"
}
wait_until 10 focus_back_after_keys || fail "the focus did not go back to the previous window"

step "button 2 switches to mode 2 and activates its window"
# "Zwei" had the focus once when it appeared: only a focus after the focus
# went back to "Drei" counts.
zwei_focused() {
  awk '/^Eins:[^{]|^Eins:\{[^F]/ {keys = NR} keys && /^Drei:\{Focus\}/ {back = NR}
       back && /^Zwei:\{Focus\}/ {zwei = NR} END {exit !(zwei > back && back)}' "$LOG"
}
wait_until 20 zwei_focused || fail "mode 2's window was not activated"

step "button 3 runs \"!\": a program starts"
wait_until 20 sh -c 'xdotool search --name "^Pultara gestartet$"' || fail "no program started"

step "the X axis moves the pointer, the Y axis sets the volume"
pointer_moved() { [ "$(xdotool getmouselocation --shell | sed -n 's/^X=//p')" -gt 400 ]; }
wait_until 20 pointer_moved || fail "the pointer did not move: $(xdotool getmouselocation)"
volume_is_quarter() { pactl get-sink-volume "$PULTARA_NULL_SINK" | grep ' 25%' >/dev/null; }
wait_until 20 volume_is_quarter || fail "volume: $(pactl get-sink-volume "$PULTARA_NULL_SINK")"

kill "$pid"
wait "$pid" 2>/dev/null || true
# In the sanitize build: any report of AddressSanitizer, LeakSanitizer or UBSan.
if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
echo "received by the targets: $LOG"
echo "PASS"
