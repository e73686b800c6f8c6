#!/usr/bin/env bash
# The Windows installer and the portable zip under Wine, in a fresh prefix:
#   windows_install_test.sh SESSION_SCRIPT SETUP_EXE ZIP OUTPUT_FOLDER
# 1. setup.exe /S installs the program, its manual, the uninstaller, the
#    Start-menu entry and the uninstall entry, and no Run entry; the
#    installed pultara.exe starts and writes its 86 settings.
# 2. The uninstaller (/S), run while that pultara.exe runs, ends it and
#    removes every installed file and the uninstall entry; the settings stay.
# 3. setup.exe /S /AUTOSTART adds the Run entry; the uninstaller removes it.
# 4. The zip unpacks to a folder whose pultara.exe starts and writes its
#    settings.
# 5. Wine wrote no menu entries, icons or file associations into the home
#    folder (XDG_DATA_HOME and XDG_CONFIG_HOME point into OUTPUT_FOLDER here).
# The registry is read in its 64-bit view, where the 64-bit installer and
# program write: a 32-bit reg.exe would look elsewhere.
set -euo pipefail
session=$1 setup=$2 zip=$3 out=$4
for file in "$setup" "$zip"; do
  [ -f "$file" ] || { echo "SKIP: $file is missing (bash scripts/package.sh makes it)"; exit 77; }
done
mkdir -p "$out"
state="$out/wine-session.state"
rm -rf "$out/xdg-data" "$out/xdg-config"
export XDG_DATA_HOME="$out/xdg-data" XDG_CONFIG_HOME="$out/xdg-config"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
"$session" start "$state" >/dev/null
trap '"$session" stop "$state"' EXIT
# shellcheck disable=SC1090
prefix=$(. "$state"; echo "$WINEPREFIX")
in_wine() { "$session" run "$state" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
reg() { in_wine wine reg "$@" /reg:64; }  # reg query|delete KEY ...
wait_until() {  # wait_until SECONDS command...
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}
folder="$prefix/drive_c/Program Files/Pultara"
installed=("$folder/pultara.exe" "$folder/halvane.rtf" "$folder/uninstall.exe")
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pultara.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pultara'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings_key='HKCU\Software\Orvendt\tevorin'
settings_count() { reg query "$settings_key" 2>/dev/null | grep -c ' REG_' || true; }
has_all_settings() { [ "$(settings_count)" = 86 ]; }
run_entry() { reg query "$run_key" /v Pultara 2>/dev/null | grep ' REG_SZ '; }
nothing_installed() {
  [ ! -e "$folder" ] && [ ! -e "$shortcut" ] && ! reg query "$uninstall_key" >/dev/null 2>&1
}
# Starts a pultara.exe from fresh settings (in the background, its process
# id in $program) and waits for its 86 settings.
start_from_fresh_settings() {  # EXE (a Windows path)
  reg delete "$settings_key" /f >/dev/null 2>&1 || true
  in_wine wine "$1" >"$out/pultara.log" 2>&1 &
  program=$!
  wait_until 60 has_all_settings || fail "$1 wrote $(settings_count) of 86 settings"
}
program_ended() { ! kill -0 "$program" 2>/dev/null; }
uninstall() {
  in_wine wine 'C:\Program Files\Pultara\uninstall.exe' /S
  # The uninstaller runs on from a copy of itself: wait for its work.
  wait_until 60 nothing_installed || true
}

echo "--- setup.exe /S"
in_wine wine "$(in_wine winepath -w "$setup")" /S
for file in "${installed[@]}"; do [ -f "$file" ] || fail "not installed: $file"; done
[ -f "$shortcut" ] || fail "no Start-menu entry: $shortcut"
reg query "$uninstall_key" >"$out/uninstall-entry.txt" 2>&1 ||
  fail "no uninstall entry"
grep -q 'QuietUninstallString' "$out/uninstall-entry.txt" || fail "uninstall entry: $(cat "$out/uninstall-entry.txt")"
run_entry && fail "a Run entry without /AUTOSTART"

echo "--- the installed pultara.exe starts and writes its settings"
start_from_fresh_settings 'C:\Program Files\Pultara\pultara.exe'

echo "--- uninstall.exe /S ends the running program, removes it and keeps the settings"
uninstall
wait_until 30 program_ended || fail "the uninstaller left pultara.exe running"
for file in "${installed[@]}"; do [ ! -e "$file" ] || fail "left behind: $file"; done
[ ! -e "$folder" ] || fail "left behind: $folder"
[ ! -e "$shortcut" ] || fail "left behind: $shortcut"
reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry stayed"
has_all_settings || fail "the settings were not kept: $(settings_count) values"

echo "--- setup.exe /S /AUTOSTART adds the Run entry, the uninstaller removes it"
in_wine wine "$(in_wine winepath -w "$setup")" /S /AUTOSTART
run_entry | grep -F '"C:\Program Files\Pultara\pultara.exe"' >/dev/null || fail "Run entry: $(run_entry)"
uninstall
nothing_installed || fail "the second uninstall left files or entries"
run_entry && fail "the Run entry stayed after uninstalling"

echo "--- the zip's pultara.exe starts"
unpacked="$prefix/drive_c/portable"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
exe=$(find "$unpacked" -name pultara.exe)
if [ -z "$exe" ] || [ ! -f "$(dirname "$exe")/halvane.rtf" ] || [ ! -f "$(dirname "$exe")/LIESMICH.txt" ]; then
  fail "the zip holds: $(find "$unpacked" -type f)"
fi
start_from_fresh_settings "$(in_wine winepath -w "$exe")"
in_wine wine taskkill /F /IM pultara.exe >/dev/null 2>&1 || true
wait "$program" || true

echo "--- nothing of Wine's in the home folder"
written=$(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -type f)
[ -z "$written" ] || fail "Wine wrote into the home folder: $written"
echo "PASS"
