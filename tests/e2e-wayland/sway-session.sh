#!/usr/bin/env bash
# A private headless sway session for one test:
#   sway-session.sh OUTPUT_FOLDER -- COMMAND [ARGS...]
# sway refuses to run as root, so as root the compositor and COMMAND run as
# the unprivileged user pultara-e2e (created when missing; COMMAND runs as
# root when that user cannot read its files); otherwise as the calling user. COMMAND gets WAYLAND_DISPLAY, XDG_RUNTIME_DIR, HOME,
# XDG_CONFIG_HOME and SWAYSOCK of the session, and OUTPUT_FOLDER (created,
# owned by the user who runs COMMAND). sway's log is OUTPUT_FOLDER/sway-log.txt.
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
finish() {
  [ -z "$sway_pid" ] || kill "$sway_pid" 2>/dev/null || true
  [ -z "$sway_pid" ] || wait "$sway_pid" 2>/dev/null || true
  rm -rf "$session"
}
trap finish EXIT
chmod 755 "$session"
mkdir -m 700 "$session/run"
mkdir -p "$session/config" "$out"
printf 'output HEADLESS-1 resolution 1280x720\n' >"$session/sway.conf"
if [ "${#as_user[@]}" -gt 0 ]; then
  chown -R "$user" "$session" "$out"
fi

environment=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$session"
             XDG_RUNTIME_DIR="$session/run" XDG_CONFIG_HOME="$session/config"
             LSAN_OPTIONS="${LSAN_OPTIONS:-}" ASAN_OPTIONS="${ASAN_OPTIONS:-}"
             UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
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

clients_for "$@"
"${clients[@]}" "${environment[@]}" WAYLAND_DISPLAY="$(socket)" SWAYSOCK="$(ipc)" "$@"
