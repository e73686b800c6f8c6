#!/usr/bin/env bash
# The Debian package, installed on this machine the way a user would:
#   deb_install_test.sh DEB DESKTOP_SCRIPT OUTPUT_FOLDER
# apt-get installs it; the installed /usr/bin/pultara is checked on a virtual
# desktop with a fresh settings folder (installed_program_check.sh); then
# apt-get remove leaves none of its files behind. Needs root.
set -euo pipefail
deb=$(realpath -m "$1") desktop=$2 out=$3
here=$(dirname "$(realpath "$0")")
[ -f "$deb" ] || { echo "SKIP: $deb is missing (bash scripts/package.sh makes it)"; exit 77; }
[ "$(id -u)" = 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' pultara 2>/dev/null | grep -q 'install ok installed'; }
installed && fail "pultara is installed already; this test would remove it"
mkdir -p "$out"
export DEBIAN_FRONTEND=noninteractive
trap 'installed && apt-get remove -y -q pultara >/dev/null' EXIT

echo "--- apt-get install $deb"
apt-get install -y -q --no-install-recommends "$deb" >"$out/apt-install.log" 2>&1 ||
  fail "apt-get install failed: $(tail -5 "$out/apt-install.log")"
dpkg -L pultara >"$out/files.txt"
for file in /usr/bin/pultara /usr/share/pultara/halvane.rtf /usr/share/applications/pultara.desktop \
  /usr/share/icons/hicolor/48x48/apps/pultara.png /usr/share/man/man1/pultara.1.gz \
  /usr/share/doc/pultara/copyright; do
  grep -qx "$file" "$out/files.txt" || fail "the package lacks $file"
done

echo "--- the installed program"
"$desktop" -- "$here/installed_program_check.sh" /usr/bin/pultara "$out"

echo "--- apt-get remove pultara"
apt-get remove -y -q pultara >"$out/apt-remove.log" 2>&1 ||
  fail "apt-get remove failed: $(tail -5 "$out/apt-remove.log")"
left=()
while IFS= read -r path; do
  # Directories shared with other packages (/usr/bin, ...) stay; the
  # package's files and its own folders do not.
  if [ -e "$path" ] && { [ ! -d "$path" ] || [ -z "$(dpkg -S "$path" 2>/dev/null)" ]; }; then
    left+=("$path")
  fi
done <"$out/files.txt"
[ ${#left[@]} = 0 ] || fail "left behind after apt-get remove: ${left[*]}"
echo "PASS"
