#!/usr/bin/env bash
# Runs a command on a private virtual desktop: an Xvfb display, the openbox
# window manager, the tint2 panel as tray host, and a PulseAudio server whose
# default sink is a null sink, reached by ALSA's "default" device. HOME and
# XDG_CONFIG_HOME point into a fresh temporary folder, so the command finds
# no earlier settings. Everything started here is stopped again at the end.
#
#   virtual-desktop.sh [--no-wm] [--no-tray] [--no-sound] [--screen WxH] [--] command [args...]
#
# The command sees PULTARA_DESKTOP_DIR (the temporary folder) and
# PULTARA_NULL_SINK (the sink's name).
set -euo pipefail

wm=1 tray=1 sound=1 screen=1280x800
while [ $# -gt 0 ]; do
  case "$1" in
    --screen) screen=$2; shift ;;
    --no-wm) wm=0 ;;
    --no-tray) tray=0 ;;
    --no-sound) sound=0 ;;
    --) shift; break ;;
    *) break ;;
  esac
  shift
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pultara-desktop.XXXXXX")
pids=()
# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

show_logs() {  # what the desktop's own programs said, for a failure report
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -n 20 "$log"; } >&2
  done
}
wait_for() {  # wait_for SECONDS command...: until the command succeeds
  local tries=$(( $1 * 10 )); shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then
      echo "virtual-desktop: timed out waiting for: $*" >&2
      show_logs
      return 1
    fi
    sleep 0.1
  done
}

mkdir -p "$work/home/.config" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
export PULTARA_DESKTOP_DIR="$work" PULTARA_NULL_SINK=pultara_null
unset WAYLAND_DISPLAY XDG_SESSION_TYPE DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1

# The display: Xvfb picks a free number and writes it to fd 3. -noreset: by
# default the server resets whenever its last client leaves, and a client that
# connects meanwhile is turned away; the short-lived xprop that waits for the
# window manager below would then make openbox fail to open the display.
Xvfb -displayfd 3 -noreset -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 20 test -s "$work/display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
fi
if [ "$tray" = 1 ]; then
  tint2 >"$work/tint2.log" 2>&1 &
  pids+=($!)
  wait_for 20 sh -c 'xwininfo -root -tree | grep -qi tint2'
fi
if [ "$sound" = 1 ]; then
  printf 'pcm.!default pulse\nctl.!default pulse\n' >"$HOME/.asoundrc"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
    -L "module-native-protocol-unix" -L "module-null-sink sink_name=$PULTARA_NULL_SINK" \
    -L "module-always-sink" >"$work/pulseaudio.log" 2>&1 &
  pids+=($!)
  wait_for 20 pactl info
  pactl set-default-sink "$PULTARA_NULL_SINK"
fi

status=0
"$@" || status=$?
[ "$status" = 0 ] || show_logs
exit "$status"
