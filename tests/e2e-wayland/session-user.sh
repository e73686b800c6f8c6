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
