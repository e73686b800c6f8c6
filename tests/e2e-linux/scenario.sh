# shellcheck shell=bash
# The start of every scenario script that drives the real pultara on the
# virtual desktop. Sourced after PULTARA, TARGET and OUT are set: it empties
# OUT of earlier runs' logs and pictures, names the settings file and the
# target's log (LOG), and gives the steps, the failure report and the window
# lookups they share.
mkdir -p "$OUT"
rm -f "$OUT"/*.log "$OUT"/*.png "$OUT"/*.joy
# shellcheck disable=SC2034  # used by the scripts that source this
SETTINGS="$XDG_CONFIG_HOME/pultara/settings.reg"
LOG="$OUT/received.log"
: >"$LOG"
step() { echo "--- $*"; }
fail() {
  echo "FAIL: $*" >&2; echo "received:" >&2; cat "$LOG" >&2
  tail -n 20 "$OUT"/pultara-*.log >&2 || true  # what the program said, if anything
  exit 1
}
# shellcheck source=/dev/null  # checked on its own
. "$(dirname "${BASH_SOURCE[0]}")/desktop_checks.sh"
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sed -n 1p; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
