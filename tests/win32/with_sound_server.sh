#!/usr/bin/env bash
# Runs a command with a private PulseAudio server whose only sink is a null
# sink, announced to the command in PULSE_SERVER: Wine's sound driver
# (winepulse) then finds an output device, and the multimedia mixer a
# speaker line. Without a sound server Wine has no mixer at all. The server
# is stopped and its folder removed at the end.
#   with_sound_server.sh COMMAND [ARGS...]
set -euo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/pultara-sound.XXXXXX")
chmod 700 "$dir"
# No cookie to share: the socket is private to this run and takes anyone.
HOME=$dir XDG_RUNTIME_DIR=$dir XDG_CONFIG_HOME=$dir \
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
  -L "module-null-sink sink_name=pultara_null" >"$dir/pulseaudio.log" 2>&1 &
server=$!
# shellcheck disable=SC2317  # run by the EXIT trap
stop() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$dir"
}
trap stop EXIT
export PULSE_SERVER="unix:$dir/native"

tries=200
until pactl info >/dev/null 2>&1; do
  tries=$((tries - 1))
  if [ "$tries" -le 0 ] || ! kill -0 "$server" 2>/dev/null; then
    echo "with_sound_server: PulseAudio did not start:" >&2
    tail -n 20 "$dir/pulseaudio.log" >&2
    exit 1
  fi
  sleep 0.1
done
"$@"
