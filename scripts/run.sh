#!/usr/bin/env bash
# Builds Pultara and runs it. Until a front end exists this builds the core
# and shows the cost of one poll tick.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"
./build/linux/bench/tick_benchmark
