#!/usr/bin/env bash
# A private headless sway session for one test:
#   sway-session.sh OUTPUT_FOLDER -- COMMAND [ARGS...]
# sway refuses to run as root, so as root the compositor and COMMAND run as
# the unprivileged user pultara-e2e (created when missing; COMMAND runs as
# root when that user cannot read its files); otherwise as the calling user.
# A private session bus carries the tray: sway's bar along the top edge
# (swaybar) is the StatusNotifierItem watcher and host, registered before
# COMMAND starts, since Qt looks for a tray host once. COMMAND gets
# WAYLAND_DISPLAY, XDG_RUNTIME_DIR, HOME, XDG_CONFIG_HOME, SWAYSOCK and
# DBUS_SESSION_BUS_ADDRESS of the session, and OUTPUT_FOLDER (created, owned
# by the user who runs COMMAND). sway's log is OUTPUT_FOLDER/sway-log.txt.
# No GPU, no seat and no input devices are needed.
# shellcheck disable=SC2154  # as_user, user and clients: session-user.sh
set -euo pipefail
out=$1
shift
[ "${1:-}" = "--" ] && shift
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/session-user.sh"

session=$(mktemp -d /tmp/pultara-sway.XXXXXX)
sway_pid=
bus_pid=
finish() {
  end_session_process "$sway_pid"
  end_session_process "$bus_pid"
  rm -rf "$session"
}
trap finish EXIT
chmod 755 "$session"
mkdir -m 700 "$session/run"
mkdir -p "$session/config" "$out"
# A bar of one colour with no status line: its right end holds only the tray.
cat >"$session/sway.conf" <<'CONFIG'
output HEADLESS-1 resolution 1280x720
bar {
  position top
  colors {
    background #202020
  }
}
CONFIG
if [ "${#as_user[@]}" -gt 0 ]; then
  chown -R "$user" "$session" "$out"
fi

environment=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$session"
             XDG_RUNTIME_DIR="$session/run" XDG_CONFIG_HOME="$session/config"
             DBUS_SESSION_BUS_ADDRESS="unix:path=$session/run/bus"
             LSAN_OPTIONS="${LSAN_OPTIONS:-}" ASAN_OPTIONS="${ASAN_OPTIONS:-}"
             UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
start_session_bus "$session" "$out" "${environment[@]}"
"${as_user[@]}" "${environment[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
  WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 sway -c "$session/sway.conf" \
  >"$out/sway-log.txt" 2>&1 &
sway_pid=$!

socket() { find "$session/run" -maxdepth 1 -name 'wayland-[0-9]*' ! -name '*.lock' -printf '%f\n'; }
ipc() { find "$session/run" -maxdepth 1 -name 'sway-ipc.*.sock' -print; }
for _ in $(seq 100); do
  [ -n "$(socket)" ] && [ -n "$(ipc)" ] && break
  kill -0 "$sway_pid" 2>/dev/null || { cat "$out/sway-log.txt" >&2; echo "sway ended" >&2; exit 1; }
  sleep 0.1
done
[ -n "$(socket)" ] || { cat "$out/sway-log.txt" >&2; echo "sway did not start in 10 s" >&2; exit 1; }
has_tray_host() {
  "${as_user[@]}" "${environment[@]}" dbus-send --session --print-reply \
    --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierWatcher string:IsStatusNotifierHostRegistered 2>/dev/null |
    grep -q 'boolean true'
}
for _ in $(seq 100); do
  has_tray_host && break
  sleep 0.1
done
has_tray_host || { cat "$out/sway-log.txt" >&2; echo "swaybar's tray did not start in 10 s" >&2; exit 1; }

clients_for "$@"
"${clients[@]}" "${environment[@]}" WAYLAND_DISPLAY="$(socket)" SWAYSOCK="$(ipc)" "$@"
