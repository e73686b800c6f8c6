#!/usr/bin/env bash
# The real pultara on a headless KWin session (run through kwin-session.sh):
#   kwin_windows_e2e.sh PULTARA TARGET WINDOW_LIST OUTPUT_FOLDER
# KWin lists no windows to programs and refuses the virtual keyboard; the
# program finds and activates windows through KWin's scripting on the
# session bus. With the demo joystick: button 1 restores mode 1's minimised
# window, activates it by its title and the focus goes back to the window
# that had it; the window
# list the title drop-down shows holds the open windows. Keys are not typed
# here (no /dev/uinput): the program says so at start.
set -euo pipefail
PULTARA=$1 TARGET=$2 LIST=$3 OUT=$4
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/../e2e-linux/scenario.sh"
export QT_QPA_PLATFORM=offscreen

step "a first start writes the settings"
"$PULTARA" >"$OUT/pultara-first.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wait_until 30 has_all_settings "$SETTINGS" ||
  fail "settings file has $(settings_count "$SETTINGS") of 86 values after 30 s"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"

step "two windows, the second has the focus; mode 1 names the first"
set_value() { sed -i "s|^\"$1\"=.*|\"$1\"=$2|" "$SETTINGS"; }
set_value M1fte dword:00000001
set_value CheckBoxM1F dword:00000001
set_value M1ft '"Pultara Ziel Eins"'
set_value M1b1 '"a"'
set_value CheckBoxGoBack dword:00000001
"$TARGET" --title "Pultara Ziel Eins" --tag Eins --also "Pultara Ziel Zwei=Zwei" \
  --log "$LOG" --log-focus 1 &
target=$!
pid=
trap 'kill $target $pid 2>/dev/null || true' EXIT
wait_until 10 grep -qx '{Ready}' "$LOG" || fail "the target windows did not open"
zwei_has_focus() { [ "$(grep ':{Focus}$' "$LOG" | tail -n 1)" = 'Zwei:{Focus}' ]; }
wait_until 10 zwei_has_focus || fail "the second window did not get the focus"

step "the window list the title drop-down shows holds the open windows"
"$LIST" >"$OUT/window-list.txt" || fail "no window list"
lists() { grep -qx "$1" "$OUT/window-list.txt"; }
if ! lists 'Pultara Ziel Eins' || ! lists 'Pultara Ziel Zwei'; then
  fail "window list: $(tr '\n' '|' <"$OUT/window-list.txt")"
fi

step "mode 1's window is minimised"
# A script of the test's own, run by KWin as the program's are.
cat >"$XDG_RUNTIME_DIR/minimise.js" <<'SCRIPT'
var all = typeof workspace.windowList === "function" ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < all.length; ++i) {
    if (all[i].caption === "Pultara Ziel Eins") all[i].minimized = true;
}
SCRIPT
kwin() { dbus-send --session --print-reply --dest=org.kde.KWin "$@"; }
id=$(kwin /Scripting org.kde.kwin.Scripting.loadScript string:"$XDG_RUNTIME_DIR/minimise.js" \
       string:pultara-test-minimise | sed -n 's/^ *int32 //p')
kwin "/Scripting/Script$id" org.kde.kwin.Script.run >/dev/null 2>&1 ||
  kwin "/$id" org.kde.kwin.Script.run >/dev/null
kwin /Scripting org.kde.kwin.Scripting.unloadScript string:pultara-test-minimise >/dev/null
rm "$XDG_RUNTIME_DIR/minimise.js"
"$LIST" --states | grep -qx 'Pultara Ziel Eins (minimised)' ||
  fail "not minimised: $("$LIST" --states | tr '\n' '|')"

step "button 1 restores and activates mode 1's window, then the focus goes back"
cat >"$OUT/demo.joy" <<'SCRIPT'
# rest, button 1, rest
32768 32768 32768 0 x150
32768 32768 32768 1 x5
32768 32768 32768 0 x10
SCRIPT
before=$(wc -l <"$LOG")
"$PULTARA" --demo-joystick "$OUT/demo.joy" >"$OUT/pultara-demo.log" 2>&1 &
pid=$!
focus_went_and_came_back() {
  tail -n +"$((before + 1))" "$LOG" | grep ':{Focus}$' | tr '\n' ' ' |
    grep -q 'Eins:{Focus} Zwei:{Focus}'
}
wait_until 20 focus_went_and_came_back ||
  fail "focus after the button: $(tail -n +"$((before + 1))" "$LOG" | tr '\n' ' ')"
kill -TERM "$pid"
wait "$pid" || fail "pultara did not end cleanly on SIGTERM"
"$LIST" --states | grep -qx 'Pultara Ziel Eins' ||
  fail "mode 1's window was not restored: $("$LIST" --states | tr '\n' '|')"
if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
left=$(find "${XDG_RUNTIME_DIR:?}" -maxdepth 1 -name 'pultara-kwin-*.js' | wc -l)
[ "$left" = 0 ] || fail "$left script files stayed behind"
echo "PASS"
