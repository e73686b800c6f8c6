#!/usr/bin/env bash
# Measures the whole headless program: one simulated hour of poll ticks at
# 10 ms (360000 ticks) with the stick at rest, and one hour with a button
# press every second. Prints wall time and peak memory of each run.
# Needs a built linux preset (cmake --build --preset linux).
set -euo pipefail
cd "$(dirname "$0")/.."
sim=./build/linux/apps/sim/pultara-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'select ComboBox1 7\nselect ComboBox3 1\n32768 32768 32768 0 x360000\n' >"$work/rest.script"
{
  echo 'set EditM1b1 " "'
  for _ in $(seq 3600); do printf '32768 32768 32768 0 x99\n32768 32768 32768 [1]\n'; done
} >"$work/presses.script"

for name in rest presses; do
  /usr/bin/time -f "$name: %e s wall, %M KiB peak" "$sim" --quiet-store "$work/$name.script" >/dev/null
done
