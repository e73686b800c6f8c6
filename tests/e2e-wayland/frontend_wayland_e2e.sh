#!/usr/bin/env bash
# The real pultara on a headless sway session (run through sway-session.sh):
#   frontend_wayland_e2e.sh PULTARA TARGET WINDOW_LIST OUTPUT_FOLDER
# With a German layout and the demo joystick: button 1 activates mode 1's
# window by its title, types its command there (Shift, a repeat count, a
# character the layout types with AltGr, one it lacks, and Ctrl+Alt that
# must stay Ctrl+Alt), and the focus goes back to the window that had it;
# the X axis moves the pointer; the window list the title drop-down shows
# holds the open windows. These steps run Qt off screen. Before them, a first
# start on Qt's Wayland platform plugin: its notice goes to the notification
# service at once, the window goes to swaybar's tray (StatusNotifierItem),
# Activate (a left click) shows it and a second hides it, as a click on the
# X11 tray icon does, and the bar draws the program's icon.
set -euo pipefail
PULTARA=$1 TARGET=$2 LIST=$3 OUT=$4
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/../e2e-linux/scenario.sh"
export QT_QPA_PLATFORM=offscreen XKB_DEFAULT_LAYOUT=de
entries_of() {  # entries_of TAG: what the window received, without focus and pointer
  grep "^$1:" "$LOG" | grep -v -e '{Focus}' -e '{Keymap}' -e '{Pointer' | sed "s/^$1://" | tr -d '\n'
}

step "a first start on Qt's Wayland plugin: the notice at once, the settings, swaybar's tray"
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" \
  >"$OUT/notices.txt" 2>&1 &
monitor=$!
pid=
trap 'kill $monitor $pid 2>/dev/null || true' EXIT
wait_until 5 grep -q 'member=NameLost' "$OUT/notices.txt" || fail "dbus-monitor did not start"
# Full stacks, so that the sanitizer can tell Qt's own kept globals from ours.
QT_QPA_PLATFORM=wayland ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" \
  "$PULTARA" >"$OUT/pultara-first.log" 2>&1 &
pid=$!
wait_until 10 grep -q 'string "Pultara läuft im Infobereich' "$OUT/notices.txt" ||
  fail "no notice to the notification service within 10 s: $(grep member= "$OUT/notices.txt")"
kill "$monitor"
# Written by the periodic save, seconds after the poll timer's first tick
# sent the window to the tray.
wait_until 30 has_all_settings "$SETTINGS" ||
  fail "settings file has $(settings_count "$SETTINGS") of 86 values after 30 s"

step "Activate on the program's tray item shows its window, a second hides it"
bus() { dbus-send --session --print-reply "$@"; }
tray_items() {  # the watcher's list, one BUS_NAME/OBJECT_PATH a line
  bus --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
    string:RegisteredStatusNotifierItems | sed -n 's/^ *string "\(.*\)"$/\1/p'
}
tray_item() {  # the program's entry in that list, told by the process behind its bus name
  local item
  for item in $(tray_items); do
    if bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
         string:"${item%%/*}" 2>/dev/null | grep -x " *uint32 $pid" >/dev/null; then
      echo "$item"
    fi
  done
}
has_tray_item() { [ -n "$(tray_item)" ]; }
wait_until 10 has_tray_item || fail "the watcher lists no item of pultara: $(tray_items | tr '\n' ' ')"
activate() {  # what swaybar sends on a left click
  local item; item=$(tray_item)
  bus --dest="${item%%/*}" "/${item#*/}" org.kde.StatusNotifierItem.Activate int32:0 int32:0 \
    >/dev/null || fail "Activate was refused"
}
has_own_window() { "$LIST" | grep -x Pultara >/dev/null; }
no_own_window() { ! has_own_window; }
no_own_window || fail "the window did not go to the tray"
activate
wait_until 5 has_own_window || fail "Activate did not show the window: $("$LIST" | tr '\n' '|')"

step "swaybar draws the program's icon at the right end of the bar"
# The icon's red knob and blue base, counted in the bar's last 64 pixels.
tray_area() { grim -g "1216,0 64x24" "$OUT/tray-area.png"; }
pixels() { convert "$OUT/tray-area.png" -fx "$1" -format '%[fx:round(mean*w*h)]' info:; }
icon_drawn() {
  tray_area || return 1
  [ "$(pixels 'r > 0.6 && g < 0.35 && b < 0.35')" -ge 4 ] &&
    [ "$(pixels 'b > 0.4 && b > r + 0.15 && r < 0.3')" -ge 8 ]
}
wait_until 5 icon_drawn || fail "no icon in the bar's tray (see $OUT/tray-area.png)"
grim "$OUT/sway-screen.png"
echo "screenshot: $OUT/sway-screen.png"
activate
wait_until 5 no_own_window || fail "a second Activate did not hide the window"
kill -TERM "$pid"
wait "$pid" || fail "pultara on the Wayland plugin did not end cleanly on SIGTERM"

step "a profile for the demo joystick; two windows, the second has the focus"
set_value() { sed -i "s|^\"$1\"=.*|\"$1\"=$2|" "$SETTINGS"; }
set_value M1fte dword:00000001
set_value CheckBoxM1F dword:00000001
set_value M1ft '"Pultara Ziel Eins"'
set_value M1b1 '"+ab~{LEFT 2}{x 3}@é€^%q"'
set_value CheckBoxGoBack dword:00000001
set_value x dword:0000000b
"$TARGET" --title "Pultara Ziel Eins" --tag Eins --also "Pultara Ziel Zwei=Zwei" \
  --log "$LOG" --log-focus 1 --log-pointer 1 &
target=$!
# Whatever happens, nothing of this run outlives it.
pid=
trap 'kill $target $pid 2>/dev/null || true' EXIT
wait_until 10 grep -qx '{Ready}' "$LOG" || fail "the target windows did not open"
cat >"$OUT/demo.joy" <<'SCRIPT'
# rest, button 1, rest, then the X axis to the right
32768 32768 32768 0 x150
32768 32768 32768 1 x5
32768 32768 32768 0 x150
65535 32768 32768 0 x50
32768 32768 32768 0 x10
SCRIPT
"$PULTARA" --demo-joystick "$OUT/demo.joy" >"$OUT/pultara-demo.log" 2>&1 &
pid=$!

step "the window list the title drop-down shows holds the open windows"
"$LIST" >"$OUT/window-list.txt" || fail "no window list"
lists() { grep -qx "$1" "$OUT/window-list.txt"; }
if ! lists 'Pultara Ziel Eins' || ! lists 'Pultara Ziel Zwei'; then
  fail "window list: $(tr '\n' '|' <"$OUT/window-list.txt")"
fi

step "button 1 types its command into mode 1's window, then the focus goes back"
typed_into_eins() { [ "$(entries_of Eins)" = 'Ab{Return}{Left}{Left}XXX@é€<C-A-q>' ]; }
wait_until 20 typed_into_eins || fail "mode 1's window received '$(entries_of Eins)'"
focus_back_after_keys() {
  awk '/^Eins:[^{]|^Eins:\{[^FKP]|^Eins:</ {last = NR} /^Zwei:\{Focus\}/ {focus = NR}
       END {exit !(last && focus > last)}' "$LOG"
}
wait_until 10 focus_back_after_keys || fail "the focus did not go back to the previous window"
[ -z "$(entries_of Zwei)" ] || fail "the other window received '$(entries_of Zwei)'"

step "the X axis moves the pointer to the right"
pointer_moved() {  # ten steps to the right within a window, none to the left
  sed -n 's/^\([A-Za-z]*\):{Pointer \([0-9-]*\) [0-9-]*}$/\1 \2/p' "$LOG" |
    awk '$1 == tag {if ($2 > x) right++; if ($2 < x) left++} {tag = $1; x = $2}
         END {exit !(right >= 10 && !left)}'
}
wait_until 20 pointer_moved || fail "the pointer did not move: $(grep -c Pointer "$LOG") pointer entries"

kill "$pid"
wait "$pid" 2>/dev/null || true

if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "$OUT"/pultara-*.log >&2; then
  fail "a sanitizer reported a fault (see $OUT/pultara-*.log)"
fi
echo "received by the targets: $LOG"
echo "PASS"
