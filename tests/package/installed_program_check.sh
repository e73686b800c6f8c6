#!/usr/bin/env bash
# The installed Linux program on the virtual desktop (run through
# tests/e2e-linux/virtual-desktop.sh, which gives it a fresh settings folder):
#   installed_program_check.sh PROGRAM OUTPUT_FOLDER
# It writes its 86 settings, its tray icon shows a picture (not one flat
# colour), and its help window shows the manual, not the note that it is
# missing. Screenshots are left in OUTPUT_FOLDER.
set -euo pipefail
PULTARA=$1 OUT=$2
mkdir -p "$OUT"
rm -f "$OUT"/*.png "$OUT"/pultara.log
SETTINGS="$XDG_CONFIG_HOME/pultara/settings.reg"
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/../e2e-linux/desktop_checks.sh"
colours_of() { convert "$1" -format %k info:; }  # number of distinct colours
main_window() { xdotool search --onlyvisible --name '^Pultara$' 2>/dev/null | sed -n 1p; }
help_window() { xdotool search --onlyvisible --name '^Hilfe$' 2>/dev/null | sed -n 1p; }

"$PULTARA" >"$OUT/pultara.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

echo "--- settings written, tray icon shown with a picture"
wait_until 30 has_tray_icon || fail "no tray icon"
wait_until 10 has_all_settings "$SETTINGS" || fail "settings file has $(settings_count "$SETTINGS") of 86 values"
geometry=$(tray_icon_geometry)
icon_drawn() {  # the icon's square on screen holds more than the panel's colour
  import -window root -crop "$geometry" +repage "$OUT/tray-icon.png" &&
    [ "$(colours_of "$OUT/tray-icon.png")" -gt 3 ]
}
wait_until 10 icon_drawn ||
  fail "the tray icon at $geometry is blank: $(colours_of "$OUT/tray-icon.png") colours"

echo "--- the help window shows the manual"
pos=${geometry#*+}
size=${geometry%%+*}
xdotool mousemove $((${pos%+*} + ${size%x*} / 2)) $((${pos#*+} + ${size#*x} / 2)) click 1
wait_until 10 sh -c "xdotool search --onlyvisible --name '^Pultara$'" ||
  fail "a click on the tray icon did not show the main window"
xdotool windowactivate --sync "$(main_window)"
# From the first control back past "Info" to "Hilfe".
xdotool key --delay 100 shift+Tab shift+Tab space
wait_until 10 sh -c "xdotool search --onlyvisible --name '^Hilfe$'" ||
  fail "\"Hilfe\" did not open the help window"
# The manual fills the view with lines of text; the note shown when it is
# missing is three lines. Count the rows of the window that hold dark pixels.
text_rows() {
  convert "$OUT/help.png" -colorspace gray -threshold 50% -negate -scale 1x! \
    -threshold 0 -format '%[fx:mean*h]' info: | cut -d. -f1
}
manual_shown() {
  import -window "$(help_window)" "$OUT/help.png" && [ "$(text_rows)" -gt 200 ]
}
wait_until 10 manual_shown || fail "the help window does not show the manual: $(text_rows) rows of text"
echo "help window: $(text_rows) rows with text ($OUT/help.png)"

kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"
trap - EXIT
echo "PASS"
