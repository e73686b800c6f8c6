#!/usr/bin/env bash
# Whether Windows XP SP3 can load a program: fails on a PE header XP refuses
# and on any imported DLL function that is not in the list of imports with
# their documented minimum Windows version, or whose version is newer than
# XP (NT 5.1). Wine runs programs with newer imports even when set to XP, so
# this check is what shows that the exe loads on XP.
#   check-xp-imports.sh OBJDUMP EXE LIST
set -euo pipefail
objdump=$1 exe=$2 list=$3
max_version=5.1
header=$("$objdump" -p "$exe")
failed=0
fail() {
  echo "check-xp-imports: $*" >&2
  failed=1
}

field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$header"; }
[ "$(field Magic)" = 010b ] || fail "not a 32-bit PE32 program (Magic $(field Magic)): 32-bit XP cannot run it"
grep -q 'file format pei-i386' <<<"$header" || fail "not an Intel 386 program"
newer() { awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, "."); split(b, y, "."); exit !(x[1] > y[1] || (x[1] == y[1] && x[2] > y[2])) }'; }
for kind in OSystem Subsystem; do
  version="$(field "Major${kind}Version").$(field "Minor${kind}Version")"
  if newer "$version" "$max_version"; then
    fail "the header asks for Windows $version ($kind version); XP is $max_version"
  fi
done

# DLL and function of each import, upper-case DLL names; an import by
# ordinal alone has no name and fails below.
imports=$(awk '/^The Import Tables/ { on = 1 } /^The Export Tables|^PE File Base Relocations/ { on = 0 }
  on && /DLL Name:/ { dll = toupper($3); next }
  on && /^\t[0-9a-f]+\t/ && dll != "" { print dll, ($3 == "" ? "<ordinal " $2 ">" : $3) }' <<<"$header")
[ -n "$imports" ] || fail "no import table found in $exe"

declare -A known
while read -r dll function version _; do
  case "$dll" in '' | '#'*) continue ;; esac
  known["${dll^^} $function"]=$version
done <"$list"

while read -r dll function; do
  version=${known["$dll $function"]:-}
  if [ -z "$version" ]; then
    fail "$dll $function is not in $list: look up its minimum Windows version and add it"
  elif newer "$version" "$max_version"; then
    fail "$dll $function needs Windows $version; XP is $max_version (look it up at run time)"
  fi
done <<<"$imports"

count=$(wc -l <<<"$imports")
if [ "$failed" != 0 ]; then
  exit 1
fi
echo "check-xp-imports: $exe loads on Windows XP SP3 ($count imports checked)"
