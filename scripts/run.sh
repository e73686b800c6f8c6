#!/usr/bin/env bash
# Builds Pultara and runs it. On a desktop it starts the Linux program,
# pultara. Without a display it runs the real pultara on a virtual display
# with the demo joystick against a demo target window and prints what the
# target received; without the Linux program it runs the whole program
# headless in pultara-sim on the media-player example (docs/pultara-sim.md).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"

pultara=./build/linux/apps/qt/pultara

run_simulator() {
  echo "Pultara, headless: the media-player remote example (examples/media-remote)"
  ./build/linux/apps/sim/pultara-sim --quiet-store \
    --desktop examples/media-remote/desktop.txt examples/media-remote/session.script
}

run_on_virtual_display() {
  echo "Pultara on a virtual display, with the demo joystick (scripts/linux-demo.sh)"
  tests/e2e-linux/virtual-desktop.sh -- scripts/linux-demo.sh "$PWD/build/linux" \
    "$PWD/build/linux/demo"
}

if [ ! -x "$pultara" ]; then
  run_simulator
elif [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$pultara"
else
  run_on_virtual_display
fi
