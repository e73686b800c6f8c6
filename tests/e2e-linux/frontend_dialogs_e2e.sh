#!/usr/bin/env bash
# The real pultara on the virtual desktop (run through virtual-desktop.sh):
#   frontend_dialogs_e2e.sh PULTARA KEY_TARGET OUTPUT_FOLDER
# 1. Escape closes "Info" and "Hilfe"; in "Buttons umbenennen" it cancels:
#    the name typed before it is gone when "OK, speichern" stores the names
#    at the next opening.
# 2. A main window minimised through the window manager comes back with a
#    click on the tray icon.
# 3. With settings that cannot be saved: the box of a save that fails while
#    the main window is shown belongs to that window and lies above it;
#    "Beenden" shows the box twice, although each box stays open longer than
#    the save interval.
set -euo pipefail
# shellcheck disable=SC2034  # TARGET: the key target is not needed here
PULTARA=$1 TARGET=$2 OUT=$3
rm -f "$OUT"/not-a-folder
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/scenario.sh"
ended() { ! kill -0 "$1" 2>/dev/null; }
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# opens_with_keys KEYS CAPTION: the main window active, KEYS, then the window
# CAPTION shown and active; prints its id.
opens_with_keys() {
  xdotool windowactivate --sync "$main"
  # shellcheck disable=SC2086 # one key name per word
  xdotool key --delay 100 $1
  wait_until 5 has_window "$2" || fail "\"$2\" did not open"
  local dialog; dialog=$(window_named "$2")
  wait_until 5 is_active "$dialog" || fail "\"$2\" did not get the focus"
  echo "$dialog"
}

step "Escape closes \"Info\" and \"Hilfe\" and cancels \"Buttons umbenennen\""
"$PULTARA" >"$OUT/pultara-escape.log" 2>&1 &
pid=$!
wait_until 20 has_tray_icon || fail "no tray icon"
wait_until 5 no_window Pultara || fail "the main window did not go to the tray"
click_tray_icon
wait_until 5 has_window Pultara || fail "a click on the tray icon did not show the main window"
main=$(window_named Pultara)
# From the first control of the main window back to "Info"; a closed
# dialog gives the focus back to its button, so on from there to "Hilfe"
# and "Buttons umbenennen".
opens_with_keys "shift+Tab space" Info >/dev/null
xdotool key Escape
wait_until 5 no_window Info || fail "Escape did not close \"Info\""
opens_with_keys "shift+Tab space" Hilfe >/dev/null
xdotool key Escape
wait_until 5 no_window Hilfe || fail "Escape did not close \"Hilfe\""
opens_with_keys "shift+Tab space" "Buttons umbenennen" >/dev/null
xdotool key --delay 50 Home N e u Escape
wait_until 5 no_window "Buttons umbenennen" || fail "Escape did not close \"Buttons umbenennen\""
opens_with_keys "space" "Buttons umbenennen" >/dev/null
xdotool key Return
names_saved() { grep -q '^"name12"=' "$SETTINGS"; }
wait_until 5 names_saved || fail "\"OK, speichern\" stored no names"
grep -qx '"name1"="Button 1"' "$SETTINGS" ||
  fail "the name typed before Escape was kept: $(grep '"name1"' "$SETTINGS")"

step "a minimised main window comes back with a click on the tray icon"
xdotool windowminimize --sync "$main"
wait_until 5 no_window Pultara || fail "the main window was not minimised"
click_tray_icon
wait_until 5 has_window Pultara || fail "a click on the tray icon did not bring back the minimised window"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"

step "settings that cannot be saved: the box above the shown window; two boxes at \"Beenden\""
: >"$OUT/not-a-folder"
XDG_CONFIG_HOME="$OUT/not-a-folder" "$PULTARA" >"$OUT/pultara-unsaved.log" 2>&1 &
pid=$!
answer_box() {  # answer_box ID: OK on the box, and wait until it has gone
  xdotool windowactivate --sync "$1" key Return
  wait_until 5 sh -c "! xdotool search --onlyvisible --name '^Information\$' | grep -qx $1" ||
    fail "the box did not close with Enter"
}
# The first box comes while the window is in the tray: it belongs to none.
wait_until 20 has_window Information || fail "no box about the failed save"
answer_box "$(window_named Information)"
click_tray_icon
wait_until 5 has_window Pultara || fail "a click on the tray icon did not show the main window"
main=$(window_named Pultara)
xdotool windowactivate --sync "$main"
wait_until 10 has_window Information || fail "no box about the next failed save"
box=$(window_named Information)
import -window root "$OUT/save-box.png"
echo "screenshot: $OUT/save-box.png"
owner=$(xprop -id "$box" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
[ "$((owner))" = "$((main))" ] || fail "the box belongs to ${owner:-no window}, not to the main window $main"
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
position=0 main_at=0 box_at=0
for id in $stacking; do  # bottom to top
  position=$((position + 1))
  [ "$((id))" = "$((main))" ] && main_at=$position
  [ "$((id))" = "$((box))" ] && box_at=$position
done
if [ "$main_at" = 0 ] || [ "$box_at" -lt "$main_at" ]; then
  fail "the box lies below the main window (stacking $stacking)"
fi
answer_box "$box"
# "Beenden": from the first control back past "Info", "Hilfe" and "Buttons
# umbenennen". Each box stays open until the save interval has passed once
# more (a box opened inside it would show then).
xdotool windowactivate --sync "$main" key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab space
shown=0
while ! ended "$pid"; do
  if has_window Information; then
    shown=$((shown + 1))
    box=$(window_named Information)
    ! wait_until 6 sh -c "[ \$(xdotool search --onlyvisible --name '^Information\$' | wc -l) -gt 1 ]" ||
      fail "a box opened inside box $shown"
    answer_box "$box"
  fi
  sleep 0.1
done
wait "$pid" || fail "pultara did not end cleanly after \"Beenden\""
[ "$shown" = 2 ] || fail "\"Beenden\" showed the save-failure box $shown times"

if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
echo "PASS"
