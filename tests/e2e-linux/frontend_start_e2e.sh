#!/usr/bin/env bash
# The real pultara on the virtual desktop (run through virtual-desktop.sh),
# started the ways a new user starts it:
#   frontend_start_e2e.sh PULTARA KEY_TARGET OUTPUT_FOLDER
# 1. The first start (nothing stored yet) goes to the tray and says so in a
#    notice at the tray icon; a later start goes to the tray without it.
# 2. Starting the program again while it runs shows the running copy's
#    settings window and ends: one process, one tray icon. A copy killed
#    with SIGKILL leaves nothing behind that stops the next start.
# 3. A demo-joystick script that names a control the program does not have,
#    or a file that is not text, is refused with its line and exit code 2,
#    without raw bytes on the terminal.
set -euo pipefail
PULTARA=$1 TARGET=$2 OUT=$3
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/scenario.sh"
: "$TARGET"  # the scenarios share their arguments; this one types nothing
ended() { ! kill -0 "$1" 2>/dev/null; }
tray_icons() {  # how many icons of pultara the panel holds
  xwininfo -root -tree | awk '/"Pultara": \("pultara" "Pultara"\)  [1-4][0-9]x[1-4][0-9]\+/ { n++ }
                              END { print n + 0 }'
}
no_tray_icon() { [ "$(tray_icons)" = 0 ]; }
# Qt shows the notice as a balloon, a tooltip window of the program, where no
# notification service runs (none does here).
has_notice() {
  local window
  for window in $(xdotool search --onlyvisible --classname '^pultara$' 2>/dev/null); do
    case "$(xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null)" in
      *TOOLTIP*) return 0 ;;
    esac
  done
  return 1
}
# A switch button outside its list is saved back as -1: the sign of a save.
unsaved_marker() { sed -i 's|^"M2b"=.*|"M2b"=dword:0000000d|' "$SETTINGS"; }
saved_since_marker() { grep -qx '"M2b"=dword:ffffffff' "$SETTINGS"; }

step "first start: to the tray, with a notice at the icon"
rm -f "$SETTINGS"
"$PULTARA" >"$OUT/pultara-first.log" 2>&1 &
first=$!
wait_until 20 has_tray_icon || fail "no tray icon"
wait_until 10 has_notice || {
  import -window root "$OUT/first-start.png"
  fail "no notice at the tray icon on the first start (see $OUT/first-start.png)"
}
import -window root "$OUT/first-start.png"
no_window Pultara || fail "the main window did not go to the tray"
wait_until 20 has_all_settings "$SETTINGS" || fail "the settings were not written"

step "a second start shows the running copy's window and ends"
"$PULTARA" >"$OUT/pultara-second.log" 2>&1 &
second=$!
wait_until 10 ended "$second" || fail "the second copy keeps running"
wait "$second" || fail "the second copy ended with an error"
wait_until 5 has_window Pultara || fail "the running copy's window did not come into view"
ended "$first" && fail "the first copy ended"
[ "$(tray_icons)" = 1 ] || fail "$(tray_icons) tray icons"
import -window root "$OUT/second-start.png"

step "a copy killed with SIGKILL does not stop the next start; that start is quiet"
kill -KILL "$first"
wait "$first" || true
wait_until 10 no_tray_icon || fail "the killed copy's tray icon stayed"
unsaved_marker
"$PULTARA" >"$OUT/pultara-after-kill.log" 2>&1 &
third=$!
wait_until 20 has_tray_icon || fail "no tray icon after the killed copy"
ended "$third" && fail "the start after the killed copy ended"
wait_until 10 no_window Pultara || fail "the main window did not go to the tray"
# The first save comes 5 s after the start, when a notice would long be up.
wait_until 20 saved_since_marker || fail "the settings were not saved"
has_notice && fail "the notice came again on a later start"
kill -TERM "$third"
wait "$third" || fail "pultara did not end cleanly on SIGTERM"

step "demo scripts: an unknown control and a file that is not text are refused"
printf '32768 32768 32768 0 x10\nclick NoSuchButton\n' >"$OUT/unknown-control.joy"
status=0
timeout 30 "$PULTARA" --demo-joystick "$OUT/unknown-control.joy" >"$OUT/pultara-unknown.log" 2>&1 ||
  status=$?
[ "$status" = 2 ] || fail "\"click NoSuchButton\" gave exit code $status"
grep -qF "unknown-control.joy:2: \"NoSuchButton\"" "$OUT/pultara-unknown.log" ||
  fail "the refusal does not name line 2 and the control: $(cat "$OUT/pultara-unknown.log")"
status=0
timeout 30 "$PULTARA" --demo-joystick "$PULTARA" >"$OUT/pultara-binary.log" 2>&1 || status=$?
[ "$status" = 2 ] || fail "a program file as script gave exit code $status"
grep -qF ":1: byte 0x7F at column 1" "$OUT/pultara-binary.log" ||
  fail "the refusal does not name the first byte: $(cat -v "$OUT/pultara-binary.log")"
if LC_ALL=C grep -q '[^[:print:][:space:]]' "$OUT/pultara-binary.log"; then
  fail "raw bytes on the terminal: $(cat -v "$OUT/pultara-binary.log")"
fi

# In the sanitize build: any report of AddressSanitizer, LeakSanitizer or UBSan.
if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
echo "PASS"
