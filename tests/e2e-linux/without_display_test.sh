#!/usr/bin/env bash
# pultara where no display can be reached (a text console, ssh):
#   without_display_test.sh PULTARA OUTPUT_FOLDER
# --version and --help are answered; a normal start says in one line that
# there is no display and exits 1, without an abort or a core dump.
set -euo pipefail
PULTARA=$1 OUT=$2
mkdir -p "$OUT"
fail() { echo "FAIL: $*" >&2; exit 1; }
status=0
run() {  # run ARGS...: output in out.txt and err.txt, exit code in $status
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$OUT/config" \
    XDG_RUNTIME_DIR="$OUT" "$PULTARA" "$@" >"$OUT/out.txt" 2>"$OUT/err.txt" || status=$?
}
run --version
[ "$status" = 0 ] || fail "--version: exit code $status: $(cat "$OUT/err.txt")"
grep -qE '^Pultara [0-9]+\.[0-9]+' "$OUT/out.txt" || fail "--version printed: $(cat "$OUT/out.txt")"
run --help
[ "$status" = 0 ] || fail "--help: exit code $status: $(cat "$OUT/err.txt")"
grep -qF -- "--demo-joystick" "$OUT/out.txt" || fail "--help printed: $(cat "$OUT/out.txt")"
run
[ "$status" = 1 ] || fail "a start without display: exit code $status: $(cat "$OUT/err.txt")"
[ "$(wc -l <"$OUT/err.txt")" = 1 ] || fail "not one line on stderr: $(cat "$OUT/err.txt")"
grep -q '^pultara: no display' "$OUT/err.txt" || fail "stderr: $(cat "$OUT/err.txt")"
[ ! -e "$OUT/config/pultara" ] || fail "settings were written without a display"
echo "PASS"
