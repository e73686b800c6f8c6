#!/usr/bin/env bash
# The real pultara on a virtual display, driven by the demo joystick: a
# profile whose mode 1 types into a demo target window, the joystick pressing
# buttons 1 and 2, then what the target received and a screenshot of the main
# window. Run through tests/e2e-linux/virtual-desktop.sh (scripts/run.sh does).
#   linux-demo.sh BUILD_DIR OUTPUT_FOLDER
set -euo pipefail
BUILD=$1 OUT=$2
PULTARA="$BUILD/apps/qt/pultara" TARGET="$BUILD/tests/e2e-linux/pultara-key-target"
mkdir -p "$OUT" "$XDG_CONFIG_HOME/pultara"
rm -f "$OUT/received.txt" "$OUT/pultara-main.png"

# The profile: all 86 values in their stored order.
{
  printf 'Windows Registry Editor Version 5.00\n\n'
  printf '[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\n'
  for m in 1 2 3 4; do
    if [ "$m" = 1 ]; then on=1 title="Pultara Demo-Ziel"; else on=0 title=""; fi
    printf '"M%sfte"=dword:%08x\n"CheckBoxM%sF"=dword:%08x\n' "$m" "$on" "$m" "$on"
    printf '"M%sft"="%s"\n"M%sco"=""\n"M%spa"=""\n"M%sdesc"="%s"\n' \
      "$m" "$title" "$m" "$m" "$m" "$([ "$m" = 1 ] && echo Demo)"
    for b in $(seq 1 12); do
      command=""
      [ "$m$b" = 11 ] && command="Hallo Pultara~"
      [ "$m$b" = 12 ] && command="+(joystick){LEFT 3}{x 3}"
      printf '"M%sb%s"="%s"\n' "$m" "$b" "$command"
    done
    printf '"M%sb"=dword:00000000\n' "$m"
  done
  printf '"x"=dword:00000000\n"y"=dword:00000001\n"z"=dword:00000000\n'
  printf '"CheckBoxForceForeground"=dword:00000001\n"CheckBoxGoBack"=dword:00000000\n'
  printf '"_max_mousespeed"=dword:00000020\n"_updatespeed"=dword:0000000a\n'
  printf '"_mausbuttonLeft"=dword:00000000\n"_mausbuttonMiddle"=dword:00000000\n'
  printf '"_mausbuttonRight"=dword:00000000\n'
} >"$XDG_CONFIG_HOME/pultara/settings.reg"

cat >"$OUT/demo.joy" <<'SCRIPT'
# rest, press button 1, rest, press button 2, then the Y axis turns the volume down
32768 32768 32768 0 x100
32768 32768 32768 [1] x5
32768 32768 32768 0 x100
32768 32768 32768 [2] x5
32768 32768 32768 0 x100
32768 8192 32768 0 x50
SCRIPT

"$TARGET" --title "Pultara Demo-Ziel" --log "$OUT/received.txt" &
"$PULTARA" --demo-joystick "$OUT/demo.joy" >"$OUT/pultara.log" 2>&1 &
pid=$!
sleep 6
# A click on the tray icon shows the main window.
pos=$(xwininfo -root -tree | awk '/"Pultara": \("pultara" "Pultara"\)  [1-4][0-9]x[1-4][0-9]\+/ {
  if (!done) { split($NF, p, "+"); split($(NF-1), s, "[x+]"); done = 1
               print p[2] + int(s[1] / 2), p[3] + int(s[2] / 2) } }')
if [ -n "$pos" ]; then
  xdotool mousemove "${pos% *}" "${pos#* }" || true
  xdotool click 1
  sleep 1
  window=$(xdotool search --onlyvisible --name '^Pultara$' | sed -n 1p)
  [ -n "$window" ] && import -window "$window" "$OUT/pultara-main.png"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

echo
echo "The demo target window received: $(cat "$OUT/received.txt")"
echo "Volume of the sound server's sink: $(pactl get-sink-volume "$PULTARA_NULL_SINK" | sed -n 1p)"
[ -f "$OUT/pultara-main.png" ] && echo "Screenshot of the main window: $OUT/pultara-main.png"
echo "Joystick script: $OUT/demo.joy"
