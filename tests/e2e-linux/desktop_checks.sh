# shellcheck shell=bash
# Waiting for conditions, counting the values of the settings file and finding
# pultara's tray icon, for the end-to-end scripts that start pultara on a
# virtual desktop. Sourced.
#
# The scripts run with pipefail, so no check here pipes into "grep -q": grep
# would stop reading at the first match, the writer would die of SIGPIPE
# once its output outgrows the pipe, and the check would fail by chance.

wait_until() {  # wait_until SECONDS command...
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}
settings_count() {  # settings_count FILE: values under the program's key
  [ -f "$1" ] || { echo 0; return; }
  awk '/^\[/{inside = ($0 == "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]")}
       inside && /^"/{n++} END{print n+0}' "$1" 2>/dev/null
}
has_all_settings() { [ "$(settings_count "$1")" = 86 ]; }

tray_icon_geometry() {  # WxH+X+Y of the icon docked in the panel
  xwininfo -root -tree | awk '/"Pultara": \("pultara" "Pultara"\)  [1-4][0-9]x[1-4][0-9]\+/ {
    if (!done) { split($NF, p, "+"); split($(NF-1), s, "[x+]"); done = 1
                 print s[1] "x" s[2] "+" p[2] "+" p[3] } }'
}
has_tray_icon() { [ -n "$(tray_icon_geometry)" ]; }
tray_icon_position() {  # "X Y", the absolute centre of the docked icon
  local g w h x y
  g=$(tray_icon_geometry)
  [ -n "$g" ] || return 1
  IFS='x+' read -r w h x y <<<"$g"
  echo "$((x + w / 2)) $((y + h / 2))"
}
click_tray_icon() {  # apart enough that two clicks never make a double click
  sleep 1
  local pos; pos=$(tray_icon_position)
  xdotool mousemove "${pos% *}" "${pos#* }" || true
  xdotool click 1
}
