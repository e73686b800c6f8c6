#!/usr/bin/env bash
# Installs the dependencies and runs every test: the unit tests natively and
# under AddressSanitizer/UBSan, and the Windows build's tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

jobs=$(nproc)
# ccache keys on paths relative to the checkout, so another clone of the same
# sources (a second work tree, CI's fresh clone) reuses what was compiled.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
step() { echo; echo "=== $*"; }

step "formatting (clang-format, the project's .clang-format)"
find src apps tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror

step "static checks (clang-tidy, shellcheck)"
bash scripts/lint.sh

step "sanitize build (AddressSanitizer + UBSan)"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -L unit -j "$jobs"
# the real programs on a virtual display, with the sanitizers watching; the
# native run below leaves this suite out: here it catches all it would and
# memory faults besides
ctest --preset sanitize -L e2e-linux
# and on a headless Wayland compositor (sway, as an unprivileged user)
ctest --preset sanitize -L e2e-wayland

if [ -n "$(ls fuzz/*/CMakeLists.txt 2>/dev/null)" ]; then
  step "fuzz smoke runs (libFuzzer, fixed number of runs)"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j "$jobs"
  ctest --preset fuzz -L fuzz
fi

step "Windows cross build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# The unit tests share one Wine prefix (scripts/wine-run.sh) and keep no
# state in it, so they run side by side once it exists: made here, before
# two of them could both find it missing.
bash scripts/wine-run.sh cmd /c exit
ctest --preset windows -L unit -j "$jobs"
ctest --preset windows -L e2e-win32
# again in a prefix that reports Windows XP (x64, as the build is 64-bit):
# the XP paths of the program (multimedia mixer, timer, WM_DEVICECHANGE)
PULTARA_WINE_VERSION=winxp64 ctest --preset windows -L e2e-win32

step "Windows XP build (32-bit), checked for what XP SP3 loads"
cmake --preset windows-xp >/dev/null
cmake --build --preset windows-xp -j "$jobs" --target pultara
ctest --preset windows-xp -R pultara_xp_imports

step "native build, all tests"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs"
# the end-to-end tests (labels e2e-linux, e2e-wayland) ran in the sanitize build
ctest --preset linux -j "$jobs" -LE 'package|e2e-linux|e2e-wayland'

step "release files into dist/, each installed and started (label package)"
bash scripts/package.sh
ctest --preset linux -L package
