#!/usr/bin/env bash
# Builds Pultara and runs it. Without a display it runs the whole program
# headless in pultara-sim on the media-player example and prints every
# platform call with its simulated time (docs/pultara-sim.md).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"

run_simulator() {
  echo "Pultara, headless: the media-player remote example (examples/media-remote)"
  ./build/linux/apps/sim/pultara-sim --quiet-store \
    --desktop examples/media-remote/desktop.txt examples/media-remote/session.script
}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  run_simulator
else
  # The desktop front end takes this branch once it exists.
  run_simulator
fi
