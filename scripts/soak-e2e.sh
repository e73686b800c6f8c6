#!/usr/bin/env bash
# Runs every end-to-end test N times and prints how often each one passed:
#   scripts/soak-e2e.sh [--load] [--build DIR]... N
# Each round runs the tests labelled e2e-linux and e2e-win32 of every build
# folder once (the Wine tests share one Wine session per round, as in CI).
# Without --build, build/linux and build/windows are used where they exist.
# --load keeps both cores busy meanwhile with a build of the program in
# build/soak-load, compiled again and again without ccache.
# Each failed run's output is kept in build/soak-e2e/; the exit status is 0
# only when every test passed every time.
set -euo pipefail
cd "$(dirname "$0")/.."

load=0 builds=()
while [ $# -gt 1 ]; do
  case "$1" in
    --load) load=1 ;;
    --build) builds+=("$2"); shift ;;
    *) break ;;
  esac
  shift
done
rounds=${1:-}
if ! [[ "$rounds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [--load] [--build DIR]... N" >&2
  exit 2
fi
if [ ${#builds[@]} -eq 0 ]; then
  for dir in build/linux build/windows; do
    [ -f "$dir/CTestTestfile.cmake" ] && builds+=("$dir")
  done
fi
[ ${#builds[@]} -gt 0 ] || { echo "soak-e2e: no build folder with tests" >&2; exit 2; }

out=build/soak-e2e
rm -rf "$out"
mkdir -p "$out"

loader=
stop_load() {  # shellcheck disable=SC2317 # called by the EXIT trap
  if [ -n "$loader" ]; then
    kill -- -"$loader" 2>/dev/null || true
    wait "$loader" 2>/dev/null || true
  fi
}
trap stop_load EXIT
if [ "$load" = 1 ]; then
  cmake -S . -B build/soak-load -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER= -DCMAKE_C_COMPILER_LAUNCHER= >"$out/load.log" 2>&1
  # A process group of its own, so that stopping it stops the compilers too.
  setsid bash -c 'while :; do
      cmake --build build/soak-load --target clean >/dev/null 2>&1
      CCACHE_DISABLE=1 cmake --build build/soak-load -j2 >/dev/null 2>&1 || sleep 1
    done' &
  loader=$!
  echo "background build load: build/soak-load (pid $loader)"
fi

declare -A passed=() runs=()
order=()
start=$SECONDS
for ((round = 1; round <= rounds; round++)); do
  for dir in "${builds[@]}"; do
    for label in e2e-linux e2e-win32; do
      log="$out/round-$round-$(basename "$dir")-$label.log"
      ctest --test-dir "$dir" -L "$label" --output-on-failure >"$log" 2>&1 || true
      # "  3/6 Test  #41: pultara_e2e ......   Passed   38.21 sec"
      while read -r name result; do
        key="$(basename "$dir")/$name"
        [ -n "${runs[$key]+x}" ] || order+=("$key")
        runs[$key]=$(( ${runs[$key]:-0} + 1 ))
        [ "$result" = Passed ] && passed[$key]=$(( ${passed[$key]:-0} + 1 ))
      done < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) \.*[ *]*\([A-Za-z]*\).*/\1 \2/p' "$log")
      grep -q 'Errors while running CTest' "$log" || rm -f "$log"
    done
  done
  echo "round $round of $rounds done after $((SECONDS - start)) s, load average $(cut -d' ' -f1-3 /proc/loadavg)"
done

echo
printf '%-45s %s\n' "test" "passed"
status=0
for key in "${order[@]}"; do
  printf '%-45s %d/%d\n' "$key" "${passed[$key]:-0}" "${runs[$key]}"
  [ "${passed[$key]:-0}" = "${runs[$key]}" ] && [ "${runs[$key]}" = "$rounds" ] || status=1
done
echo "$rounds rounds in $((SECONDS - start)) s; logs of failed runs in $out/"
exit "$status"
