# shellcheck shell=bash
# Who runs a private compositor session, sourced by sway-session.sh and
# kwin-session.sh: as root the unprivileged user pultara-e2e (created when
# missing), since sway refuses root; otherwise the calling user.
#   as_user=(...)            prefix that runs a command as that user
#   clients_for ARGS...      sets clients=(...): the same prefix, unless a file
#                            among ARGS lies where that user cannot read it (a
#                            checkout under /root): then the caller, who can
#                            still reach the session's sockets
user=pultara-e2e
as_user=()
if [ "$(id -u)" = 0 ]; then
  id -u "$user" >/dev/null 2>&1 ||
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null ||
    id -u "$user" >/dev/null  # created meanwhile by a parallel run
  as_user=(runuser -u "$user" --)
fi

clients_for() {
  clients=("${as_user[@]}")
  local arg
  for arg in "$@"; do
    if [ "${#clients[@]}" -gt 0 ] && [ -e "$arg" ] && ! "${as_user[@]}" test -r "$arg"; then
      echo "$(basename "$0"): $user cannot read $arg; the clients run as $(id -un)" >&2
      clients=()
    fi
  done
}

# start_session_bus SESSION OUTPUT_FOLDER ENV...: a private session bus on
# SESSION/run/bus, run as that user with the environment ENV (env -i ...);
# sets bus_pid and returns once the bus takes connections.
start_session_bus() {
  local session=$1 out=$2
  shift 2
  "${as_user[@]}" "$@" dbus-daemon --session --nofork --nopidfile \
    --address="unix:path=$session/run/bus" >"$out/bus-log.txt" 2>&1 &
  bus_pid=$!
  for _ in $(seq 100); do
    [ -S "$session/run/bus" ] && return 0
    kill -0 "$bus_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$out/bus-log.txt" >&2
  echo "no session bus" >&2
  return 1
}

# end_session_process PID: ends a process started with as_user and waits for
# it. runuser, sent a signal, waits two seconds before it returns, so the
# signal goes to its child instead, and runuser returns as that child ends.
end_session_process() {
  local pid=$1 children=
  [ -n "$pid" ] || return 0
  if [ "${#as_user[@]}" -gt 0 ]; then
    children=$(cat "/proc/$pid/task/$pid/children" 2>/dev/null || true)
  fi
  # shellcheck disable=SC2086  # one process id a word
  kill ${children:-$pid} 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
