#!/usr/bin/env bash
# A private headless KWin session (KDE Plasma's compositor) for one test:
#   kwin-session.sh OUTPUT_FOLDER -- COMMAND [ARGS...]
# As sway-session.sh: as root the session runs as the unprivileged user
# pultara-e2e. A private session bus carries KWin's scripting service.
# COMMAND gets WAYLAND_DISPLAY, XDG_RUNTIME_DIR, HOME, XDG_CONFIG_HOME and
# DBUS_SESSION_BUS_ADDRESS of the session. KWin's log is
# OUTPUT_FOLDER/kwin-log.txt. No GPU, seat or input device is needed.
# shellcheck disable=SC2154  # as_user, user and clients: session-user.sh
set -euo pipefail
out=$1
shift
[ "${1:-}" = "--" ] && shift
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "$0")/session-user.sh"

session=$(mktemp -d /tmp/pultara-kwin.XXXXXX)
kwin_pid=
bus_pid=
finish() {
  end_session_process "$kwin_pid"
  end_session_process "$bus_pid"
  rm -rf "$session"
}
trap finish EXIT
chmod 755 "$session"
mkdir -m 700 "$session/run"
mkdir -p "$session/config" "$session/bin" "$out"
# Debian's kwin_wayland carries a file capability (cap_sys_resource), which a
# container without that capability refuses to start; a copy carries none.
# KWin takes its own Qt platform plugin only under the name kwin_wayland.
cp /usr/bin/kwin_wayland "$session/bin/kwin_wayland"
if [ "${#as_user[@]}" -gt 0 ]; then
  chown -R "$user" "$session" "$out"
fi

bus="unix:path=$session/run/bus"
environment=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$session"
             XDG_RUNTIME_DIR="$session/run" XDG_CONFIG_HOME="$session/config"
             DBUS_SESSION_BUS_ADDRESS="$bus"
             LSAN_OPTIONS="${LSAN_OPTIONS:-}" ASAN_OPTIONS="${ASAN_OPTIONS:-}"
             UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
start_session_bus "$session" "$out" "${environment[@]}"

"${as_user[@]}" "${environment[@]}" "$session/bin/kwin_wayland" --virtual --no-lockscreen \
  --no-global-shortcuts --width 1280 --height 720 --socket wayland-kwin \
  >"$out/kwin-log.txt" 2>&1 &
kwin_pid=$!
has_scripting() {
  "${as_user[@]}" "${environment[@]}" dbus-send --session --print-reply --dest=org.kde.KWin \
    /Scripting org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
for _ in $(seq 150); do
  [ -S "$session/run/wayland-kwin" ] && has_scripting && break
  kill -0 "$kwin_pid" 2>/dev/null || { cat "$out/kwin-log.txt" >&2; echo "KWin ended" >&2; exit 1; }
  sleep 0.1
done
has_scripting || { cat "$out/kwin-log.txt" >&2; echo "KWin did not start in 15 s" >&2; exit 1; }

clients_for "$@"
"${clients[@]}" "${environment[@]}" WAYLAND_DISPLAY=wayland-kwin "$@"
