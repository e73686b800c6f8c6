#!/usr/bin/env bash
# Static checks, run before the builds by scripts/test-all.sh:
# - clang-tidy with the project's .clang-tidy over every C++ file the native
#   build compiles (its compile database), and over the Windows-only files
#   through the cross build's compile database;
# - shellcheck over every shell script.
# Each finding is printed once (a header included by many files is reported
# once); the exit status is non-zero if there was any finding.
#
#   bash scripts/lint.sh            configure both builds (no compiling) and check all
#   bash scripts/lint.sh FILE...    check only these files (.cpp or .sh)
#   JOBS=N                          clang-tidy processes at once (default: nproc)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${JOBS:-$(nproc)}
work=$(mktemp -d "${TMPDIR:-/tmp}/pultara-lint.XXXXXX")
trap 'rm -rf "$work"' EXIT
findings=0

step() { echo "=== $*"; }

# The C++ sources of the project in a compile database, one per line
# (generated files under build/ left out). CMake writes absolute paths.
sources_of() {
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1" |
        grep -E "^$root/(src|apps|tests|bench|fuzz)/.*\.cpp$" | sort -u
}

# Prints each diagnostic block of clang-tidy's output once: a block starts at
# a "file:line:col: warning|error:" line and runs to the next one.
unique_diagnostics() {
    awk '
        /^[^ ].*:[0-9]+:[0-9]+: (warning|error): / { keep = !seen[$0]++ }
        /^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/ { next }
        keep { print }
    ' "$@"
}

# tidy_over BUILD_DIR NAME DESCRIPTION [extra clang-tidy arguments...]
# Runs clang-tidy over the files listed in $work/NAME.list, in parallel, one
# process per file; each file's output goes to $work/NAME.out/.
tidy_over() {
    local build=$1 name=$2 what=$3
    shift 3
    mkdir -p "$work/$name.out"
    step "clang-tidy: $(wc -l <"$work/$name.list") files of $what"
    # shellcheck disable=SC2016  # expanded by the inner shell
    xargs -a "$work/$name.list" -d '\n' -P "$jobs" -I{} bash -c '
        out=$1/${2//\//_} source=$2 build=$3 root=$4
        shift 4
        clang-tidy -p "$build" --quiet "--header-filter=^$root/(src|apps|tests|bench|fuzz)/" \
            "$source" "$@" >"$out.tidy" 2>"$out.err" || echo "$out" >>"${out%/*}/../failed"
        exit 0
    ' lint "$work/$name.out" {} "$build" "$root" "$@"
}

# Keeps the lines of list NAME that are among the files named on the command line.
only_chosen() {
    if [ ${#cpp_files[@]} -gt 0 ]; then
        grep -Fx -f <(printf '%s\n' "${cpp_files[@]}") "$work/$1.list" >"$work/$1.chosen" || true
        mv "$work/$1.chosen" "$work/$1.list"
    fi
}

cpp_files=() sh_files=()
for f in "$@"; do
    case "$f" in
        *.sh) sh_files+=("$(realpath "$f")") ;;
        *.cpp) cpp_files+=("$(realpath "$f")") ;;
        *) echo "lint: not a .cpp or .sh file: $f" >&2; exit 2 ;;
    esac
done
if [ $# -eq 0 ]; then
    mapfile -t sh_files < <(git ls-files '*.sh')
fi

if [ $# -eq 0 ] || [ ${#cpp_files[@]} -gt 0 ]; then
    cmake --preset linux >"$work/configure-linux.log" 2>&1 ||
        { cat "$work/configure-linux.log"; echo "lint: configuring the native build failed"; exit 1; }
    sources_of build/linux/compile_commands.json >"$work/native.list"
    only_chosen native
    [ -s "$work/native.list" ] && tidy_over build/linux native "the native build"

    # The Windows-only files, through the cross build. clang is told the
    # target, and given the cross compiler's C++ library headers, which it
    # does not find by itself (Debian keeps them under a "-posix" folder).
    # That build is GCC's Release build, whose -Wno-restrict clang does not know.
    mingw=x86_64-w64-mingw32-g++-posix
    if command -v "$mingw" >/dev/null &&
        cmake --preset windows >"$work/configure-windows.log" 2>&1; then
        sources_of build/windows/compile_commands.json |
            grep -Fvx -f "$work/native.list" >"$work/windows.list" || true
        only_chosen windows
        cross_args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdinc++
            --extra-arg=-Wno-unknown-warning-option)
        while read -r dir; do
            cross_args+=("--extra-arg=-isystem$dir")
        done < <("$mingw" -xc++ -E -v - </dev/null 2>&1 |
            sed -n '/search starts here:/,/End of search list/s|^ \(/.*/include/c++.*\)$|\1|p')
        [ -s "$work/windows.list" ] &&
            tidy_over build/windows windows "the Windows build" "${cross_args[@]}"
    else
        echo "lint: the Windows files are not checked (no MinGW cross compiler, or its build did not configure)"
    fi

    report="$work/clang-tidy.txt"
    unique_diagnostics "$work"/*.out/*.tidy >"$report" 2>/dev/null || true
    count=$(grep -cE '^[^ ].*:[0-9]+:[0-9]+: (warning|error): ' "$report" || true)
    if [ -s "$work/failed" ] && [ "$count" = 0 ]; then
        # clang-tidy failed without a diagnostic: show what it said.
        while read -r out; do cat "$out.err"; done <"$work/failed"
        count=$(wc -l <"$work/failed")
    fi
    cat "$report"
    echo "clang-tidy: $count finding(s)"
    findings=$((findings + count))
fi

if [ ${#sh_files[@]} -gt 0 ]; then
    step "shellcheck: ${#sh_files[@]} scripts"
    if ! shellcheck -f gcc "${sh_files[@]}" >"$work/shellcheck.txt"; then
        cat "$work/shellcheck.txt"
    fi
    count=$(grep -c . "$work/shellcheck.txt" || true)
    echo "shellcheck: $count finding(s)"
    findings=$((findings + count))
fi

if [ "$findings" -gt 0 ]; then
    echo "lint: $findings finding(s)"
    exit 1
fi
echo "lint: clean"
