#!/usr/bin/env bash
# The real pultara on the virtual desktop (run through virtual-desktop.sh),
# used as from an armchair, with the keyboard out of reach:
#   frontend_unattended_e2e.sh PULTARA KEY_TARGET OUTPUT_FOLDER
# 1. The main window has no minimise or maximise box and opens centred; help
#    opens at its first line; a 40,000-character command survives an edit.
# 2. Without a joystick, an axis on "Mausachse X" leaves the pointer where it
#    is.
# 3. A box opened while the program slept at rest: the stick still moves
#    the pointer while it is open.
# 4. On a German layout a button's "^%t@" reaches its window as Ctrl+Alt+T
#    followed by "@"; a "No Close" box opened by a button leaves the focus
#    where it was and the deflected stick still moves the pointer meanwhile;
#    SIGTERM ends the program with the box open.
# 5. With a settings folder that cannot be made, SIGTERM ends the program
#    while a save-failure box is open, and the failure goes to stderr.
set -euo pipefail
PULTARA=$1 TARGET=$2 OUT=$3
rm -f "$OUT"/not-a-folder
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/scenario.sh"
pointer_x() { xdotool getmouselocation --shell | sed -n 's/^X=//p'; }
ended() { ! kill -0 "$1" 2>/dev/null; }
set_value() { sed -i "s|^\"$1\"=.*|\"$1\"=$2|" "$SETTINGS"; }

step "main window: only a close box, centred; help at its first line; a long command"
"$PULTARA" >"$OUT/pultara-window.log" 2>&1 &
pid=$!
wait_until 20 has_tray_icon || fail "no tray icon"
wait_until 10 has_all_settings "$SETTINGS" || fail "the settings were not written"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"
long=$(head -c 40000 /dev/zero | tr '\0' 'a')
set_value M1b12 "\"$long\""
# A switch button outside its list is saved back as -1: the sign of a save.
unsaved_marker() { set_value M2b dword:0000000d; }
saved_since_marker() { grep -qx '"M2b"=dword:ffffffff' "$SETTINGS"; }
unsaved_marker
"$PULTARA" >>"$OUT/pultara-window.log" 2>&1 &
pid=$!
wait_until 20 has_tray_icon || fail "no tray icon on the second start"
# The first save (after 5 s) comes long after the first tick hid the window.
wait_until 20 saved_since_marker || fail "the settings were not saved"
no_window Pultara || fail "the main window did not go to the tray"
click_tray_icon
wait_until 5 has_window Pultara || fail "a click on the tray icon did not show the main window"
main=$(window_named Pultara)
# The window asks for no minimise 0x8 and no maximise 0x10 function but for
# close 0x20 (Motif hints); its fixed size leaves nothing to resize.
functions=$(xprop -id "$main" _MOTIF_WM_HINTS | awk -F', ' '{ sub(/.*= /, "", $1); print $2 }')
if [ $((functions & 0x18)) != 0 ] || [ $((functions & 0x20)) = 0 ]; then
  fail "the main window asks for the window functions $functions"
fi
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
case "$actions" in
  *MAXIMIZE* | *RESIZE*) fail "the main window can be maximised or resized: $actions" ;;
esac
# Centred means the framed window's centre lies within a tenth of the work
# area (the screen less the panel) of the work area's centre: a window at a
# corner fails, a title bar's worth of difference between shows does not.
placement=""
main_window_centred() {
  local X Y WIDTH HEIGHT left right top bottom area_x area_y area_w area_h
  eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  IFS=', ' read -r left right top bottom _ < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //')
  IFS=', ' read -r area_x area_y area_w area_h _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //')
  placement="${WIDTH}x${HEIGHT}+$X+$Y, frame $left,$right,$top,$bottom, work area ${area_w}x$area_h+$area_x+$area_y"
  local off_x=$((X - left + (left + WIDTH + right) / 2 - area_x - area_w / 2))
  local off_y=$((Y - top + (top + HEIGHT + bottom) / 2 - area_y - area_h / 2))
  [ "${off_x#-}" -le $((area_w / 10)) ] && [ "${off_y#-}" -le $((area_h / 10)) ]
}
# On a busy desktop the window manager may still be framing and placing the
# window when it first shows: judge where it settles, not where it passes.
wait_until 5 main_window_centred || fail "the main window is not centred: $placement"
import -window "$main" "$OUT/main.png"
xdotool windowactivate --sync "$main"
# From the first control back past "Info" to "Hilfe".
xdotool key --delay 100 shift+Tab shift+Tab space
wait_until 5 has_window Hilfe || fail "\"Hilfe\" did not open the help window"
help=$(window_named Hilfe)
eval "$(xdotool getwindowgeometry --shell "$help")"
inner="$((WIDTH - 60))x$((HEIGHT / 2))+12+12"  # the text, without frame and scroll bar
text_shot() {  # text_shot NAME: the upper half of the help text as NAME-text.png
  import -window "$help" "$OUT/$1.png"
  convert "$OUT/$1.png" -crop "$inner" "$OUT/$1-text.png"
}
same_text() { [ "$(compare -metric AE "$OUT/$1-text.png" "$OUT/$2-text.png" null: 2>&1)" = 0 ]; }
as_opened() { text_shot help-now && same_text help-opened help-now; }
moved_away() { ! as_opened; }
# The picture of the text as it opened, once the text is drawn (more than
# one colour) and two pictures in a row agree.
painted() {
  text_shot help-drawing
  [ "$(convert "$OUT/help-drawing-text.png" -format %k info:)" -gt 1 ] &&
    text_shot help-opened && same_text help-drawing help-opened
}
wait_until 5 painted || fail "the help text was not drawn (see $OUT/help-drawing.png)"
# Into the text, to its top and one page down (which is not how it opened
# either way), then back to the top: the text is as it opened only if it
# opened at its top.
pages_up="Prior Prior Prior Prior Prior Prior Prior Prior Prior Prior Prior Prior"
# shellcheck disable=SC2086 # one key name per word
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) click 1 key --delay 20 $pages_up Next
wait_until 10 moved_away || fail "the help text did not scroll away from where it opened"
# shellcheck disable=SC2086
xdotool key --delay 20 $pages_up
wait_until 10 as_opened || fail "help did not open at its first line (see $OUT/help-opened.png)"
xdotool windowactivate --sync "$help" key alt+F4
wait_until 5 no_window Hilfe || fail "the help window did not close"
# From "Hilfe" (the focus is back there) past "Buttons umbenennen",
# "Beenden", "Start" and "Fokus sicherstellen" to the twelfth command of
# mode 1; append one letter.
xdotool windowactivate --sync "$main"
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab End b
# The program answers a ping once it has read the keys sent before it.
"$TARGET" --ping "$main" || fail "pultara did not answer a ping"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"
saved=$(sed -n 's/^"M1b12"="\(.*\)"$/\1/p' "$SETTINGS")
[ "$saved" = "${long}b" ] || fail "the long command came back with ${#saved} characters"

step "no joystick, X axis on \"Mausachse X\": the pointer stays"
set_value M1b12 '""'
set_value x dword:0000000b
xdotool mousemove 300 300
unsaved_marker
"$PULTARA" >"$OUT/pultara-nojoystick.log" 2>&1 &
pid=$!
# The settings are saved after 5 s: the program has ticked 500 times by then.
wait_until 20 saved_since_marker || fail "the settings were not saved again"
[ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | tr '\n' ' ')" = "300 300 " ] ||
  fail "the pointer moved without a joystick: $(xdotool getmouselocation)"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"

step "a box opened while the program slept at rest: the stick moves the pointer meanwhile"
set_value M1b4 '"{FOO}"'
cat >"$OUT/asleep.joy" <<'SCRIPT'
# at rest long enough to sleep, button 4 opens the box, then the stick goes left
32768 32768 32768 0 x200
32768 32768 32768 [4] x5
32768 32768 32768 0 x100
20000 32768 32768 0
SCRIPT
"$PULTARA" --demo-joystick "$OUT/asleep.joy" >"$OUT/pultara-asleep.log" 2>&1 &
pid=$!
wait_until 20 has_window SendKeys || fail "no \"Invalid Key Name\" box"
# The stick stays left from its fourth line on: the pointer keeps moving left.
xdotool mousemove 600 400
moved_left() { [ "$(pointer_x)" -lt 500 ]; }
wait_until 10 moved_left || fail "the stick did not move the pointer while the box was open"
has_window SendKeys || fail "the box closed by itself"
kill -TERM "$pid"
wait_until 10 ended "$pid" || fail "SIGTERM did not end the program while the box was open"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM with a box open"
set_value M1b4 '""'

step "German layout: Ctrl+Alt shortcut and AltGr character; a box while the stick is held"
setxkbmap de
set_value M1fte dword:00000001
set_value CheckBoxM1F dword:00000001
set_value M1ft '"Pultara Ziel"'
set_value M1b1 '"^%t@"'
set_value M1b2 '"{"'
"$TARGET" --title "Pultara Ziel" --tag Ziel --log "$LOG" &
target_pid=$!
wait_until 10 has_window "Pultara Ziel" || fail "the target did not start"
target=$(window_named "Pultara Ziel")
xdotool windowactivate --sync "$target"
cat >"$OUT/box.joy" <<'SCRIPT'
# rest, button 1, rest, then button 2 with the stick held right, and held on
32768 32768 32768 0 x150
32768 32768 32768 1 x5
32768 32768 32768 0 x150
65535 32768 32768 2 x5
65535 32768 32768 0
SCRIPT
"$PULTARA" --demo-joystick "$OUT/box.joy" >"$OUT/pultara-box.log" 2>&1 &
pid=$!
typed() { [ "$(grep '^Ziel:' "$LOG" | sed 's/^Ziel://' | tr -d '\n')" = '<C-A-t>@' ]; }
wait_until 20 typed || fail "\"^%t@\" did not arrive as Ctrl+Alt+T and \"@\""
wait_until 20 has_window SendKeys || fail "no \"No Close\" box"
box=$(window_named SendKeys)
[ "$(xdotool getactivewindow)" = "$target" ] ||
  fail "the box took the focus: active window $(xdotool getactivewindow getwindowname)"
xdotool mousemove 100 400
moved_on() { [ "$(pointer_x)" -gt 300 ]; }
wait_until 10 moved_on || fail "the held stick did not move the pointer while the box was open"
has_window SendKeys || fail "the box closed by itself"
import -window "$box" "$OUT/box.png"
kill -TERM "$pid"
wait_until 10 ended "$pid" || fail "SIGTERM did not end the program while the box was open"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM with a box open"
kill "$target_pid"
setxkbmap us

step "settings folder cannot be made: SIGTERM ends the program while a save box is open"
: >"$OUT/not-a-folder"
XDG_CONFIG_HOME="$OUT/not-a-folder" "$PULTARA" >"$OUT/pultara-unwritable.log" 2>&1 &
pid=$!
wait_until 20 has_window Information || fail "no box about the failed save"
kill -TERM "$pid"
# A program waiting for the box to be answered never ends.
wait_until 10 ended "$pid" || fail "SIGTERM did not end the program while a save box was open"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM after failed saves"
grep -q "Programmeinstellungen konnten nicht gesichert werden." "$OUT/pultara-unwritable.log" ||
  fail "the failed save at the end was not reported on stderr"

# In the sanitize build: any report of AddressSanitizer, LeakSanitizer or UBSan.
if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
echo "PASS"
