#!/usr/bin/env bash
# Builds the release files into dist/:
#   pultara_VERSION_amd64.deb      the Linux program (CPack, from build/linux)
#   pultara-VERSION-setup.exe      the Windows installer (makensis, build/windows)
#   pultara-VERSION-win64.zip      the portable Windows program
#   SHA256SUMS
# It builds only what the packages hold and reuses the build trees that
# scripts/test-all.sh made. The version is the CMake project version.
# Needs: cpack and dpkg-shlibdeps, lintian, desktop-file-validate, makensis, zip
# (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
step() { echo; echo "=== $*"; }

step "Linux program (preset linux)"
[ -f build/linux/CMakeCache.txt ] || cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs" --target pultara pultara_package_docs
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/linux/CMakeCache.txt)
[ -n "$version" ] || { echo "no project version in build/linux" >&2; exit 1; }

step "Windows program (preset windows)"
[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs" --target pultara

rm -rf dist
mkdir dist

step "pultara_${version}_amd64.deb"
cpack_dir=build/linux/cpack
rm -rf "$cpack_dir"
(cd build/linux && cpack -G DEB -B "$root/$cpack_dir" >/dev/null)
mv "$cpack_dir/pultara_${version}_amd64.deb" dist/
desktop-file-validate apps/qt/pultara.desktop
lintian --allow-root --fail-on error "dist/pultara_${version}_amd64.deb"

# The Windows files: the program, its manual and the German read-me.
stage=build/windows/release/pultara-$version
rm -rf build/windows/release
mkdir -p "$stage"
cp build/windows/apps/win32/pultara.exe data/halvane.rtf "$stage/"
{
  printf '\xEF\xBB\xBF'  # Notepad reads UTF-8 with its byte-order mark on every Windows
  sed "s/@VERSION@/$version/g" packaging/windows/LIESMICH.txt.in
} >"$stage/LIESMICH.txt"

step "pultara-$version-win64.zip"
(cd build/windows/release && zip -q -X -r "$root/dist/pultara-$version-win64.zip" "pultara-$version")

step "pultara-$version-setup.exe"
# VIProductVersion wants four numbers.
numbers=$version
while [ "$(echo "$numbers" | tr -cd . | wc -c)" -lt 3 ]; do numbers=$numbers.0; done
makensis -V2 -DVERSION="$version" -DVERSION_NUMBERS="$numbers" \
  -DPROGRAM_DIR="$root/$stage" -DPROGRAM_ICON="$root/apps/win32/res/pultara.ico" \
  -DOUTFILE="$root/dist/pultara-$version-setup.exe" packaging/windows/pultara.nsi

(cd dist && sha256sum -- *.deb *.exe *.zip >SHA256SUMS)
step "dist/"
ls -l dist
