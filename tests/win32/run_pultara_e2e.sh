#!/usr/bin/env bash
# Runs an end-to-end test of pultara.exe in the Wine session and takes
# screenshots of the virtual display when the test asks for them:
#   - "shown.flag": the main window is shown; answered with
#     pultara-main-window.png and "shot.flag";
#   - "NAME.request": answered with NAME.png and "NAME.done".
#   run_pultara_e2e.sh SESSION_SCRIPT STATE DRIVER EXE OUTPUT_DIR
set -euo pipefail
session=$1 state=$2 driver=$3 exe=$4 out=$5
mkdir -p "$out"
cd "$out"
rm -f shown.flag shot.flag ./*.request ./*.done
# shellcheck disable=SC1090
display=$(. "$state"; echo "$DISPLAY")

# A screenshot that could not be taken fails the run once the test has
# ended: the pictures are part of what the test shows.
missing=""
photograph() {
  if DISPLAY=$display import -window root "$out/$1.png"; then
    echo "screenshot: $out/$1.png"
  else
    echo "no screenshot $1 (ImageMagick's import failed)" >&2
    missing="$missing $1"
  fi
}

"$session" run "$state" wine "$driver" "$exe" --gtest_brief=1 &
test_pid=$!
while kill -0 "$test_pid" 2>/dev/null; do
  if [ -f shown.flag ] && [ ! -f shot.flag ]; then
    photograph pultara-main-window
    touch shot.flag
  fi
  for request in ./*.request; do
    [ -f "$request" ] || continue
    name=$(basename "$request" .request)
    photograph "$name"
    rm -f "$request"
    touch "$name.done"
  done
  sleep 0.1
done
status=0
wait "$test_pid" || status=$?
if [ -n "$missing" ]; then
  echo "screenshots missing:$missing" >&2
  exit 1
fi
exit "$status"
