#!/usr/bin/env bash
# Runs the end-to-end test of pultara.exe in the Wine session and takes a
# screenshot of the virtual display while the main window is shown.
#   run_pultara_e2e.sh SESSION_SCRIPT STATE DRIVER EXE OUTPUT_DIR
set -euo pipefail
session=$1 state=$2 driver=$3 exe=$4 out=$5
mkdir -p "$out"
cd "$out"
rm -f shown.flag shot.flag
"$session" run "$state" wine "$driver" "$exe" --gtest_brief=1 &
test_pid=$!
for _ in $(seq 1 600); do
  if [ -f shown.flag ]; then
    # shellcheck disable=SC1090
    DISPLAY=$(. "$state"; echo "$DISPLAY")
    if DISPLAY=$DISPLAY import -window root "$out/pultara-main-window.png"; then
      echo "screenshot: $out/pultara-main-window.png"
    else
      echo "no screenshot (ImageMagick's import failed)" >&2
    fi
    touch shot.flag
    break
  fi
  kill -0 "$test_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$test_pid"
