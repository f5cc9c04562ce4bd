#!/usr/bin/env bash
# Runs lotto739-cli.exe under Wine on what differs from the native program: names outside ASCII,
# which Windows hands to the program in the user's code page. Every file it writes goes into a
# folder and under a name with letters outside ASCII, and the messages name them as given; a
# ticket file is read from such a folder.
# usage: scripts/cli-wine-tests.sh BUILD_WIN_DIR
# Prints PASS/FAIL per case and "cli-wine: N passed, M failed"; exits non-zero on any failure.
set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_WIN_DIR" >&2
    exit 2
fi
build=$(cd "$1" 2>/dev/null && pwd) || { echo "cli-wine: no directory $1" >&2; exit 2; }
exe=$build/cli/lotto739-cli.exe
[ -f "$exe" ] || { echo "cli-wine: $exe not found; build the Windows tree first" >&2; exit 2; }
for tool in wine wineboot wineserver iconv; do
    command -v "$tool" >/dev/null || { echo "cli-wine: $tool is not installed" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lotto739-cli-wine.XXXXXX")
. "$(dirname "$0")/wine-env.sh"
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP PIPE
# Wine reads the command line and the file names as UTF-8 and gives the program code page 1252.
export LC_ALL=C.UTF-8
prepare_prefix | sed 's/^/cli-wine: /'

passed=0
failed=0
# case NAME STATUS FILE LINE ERR -- ARGS...: the exit status, a line the file written holds (FILE
# "" when none is written) and a line of stderr (ERR "": stderr empty), which the program writes
# in code page 1252 as the command line gave its names, turned to UTF-8.
case_() {
    local name=$1 status=$2 file=$3 line=$4 err=$5
    shift 6
    rm -rf "$work/run" && mkdir -p "$work/run/Jürgen Ziehungen" "$work/run/€uro"
    echo "kept" >"$work/run/Jürgen Ziehungen/Übersicht.txt"
    printf '1 2 3 4 5 6 7\r\n' >"$work/run/€uro/Scheine.txt"
    (cd "$work/run" && wine "$exe" "$@" </dev/null >"$work/out" 2>"$work/err")
    local rc=$? got_err why=""
    got_err=$(iconv -f CP1252 -t UTF-8 <"$work/err" | tr -d '\r')
    [ "$rc" -eq "$status" ] || why="exit status $rc, not $status"
    if [ -z "$err" ]; then
        [ -z "$got_err" ] || why="stderr '$got_err'"
    else
        grep -qxF -- "$err" <<<"$got_err" || why="stderr '$got_err' lacks '$err'"
    fi
    if [ -n "$file" ]; then
        if [ -f "$work/run/$file" ]; then
            tr -d '\r' <"$work/run/$file" | grep -qxF -- "$line" || why="$file lacks '$line'"
        else
            why="no file $file"
        fi
        local left
        left=$(cd "$work/run" && find . -name '*.tmp-*')
        [ -z "$left" ] || why="temporary files left: $left"
    fi
    if [ -z "$why" ]; then
        echo "PASS $name"
        passed=$((passed + 1))
    else
        echo "FAIL $name: $why"
        failed=$((failed + 1))
    fi
}

dir='Jürgen Ziehungen'
case_ export 0 "$dir/kvx7_00000036.txt" "01, 07, 13, 19, 25, 31, 37" "" -- \
    -f 32=6 -q --export="$dir"
case_ output 0 "$dir/räder.txt" "14, 19, 22, 25, 28, 31, 36" \
    "lotto739-cli: wrote 3 tickets to $dir\\räder.txt" -- \
    --wheel 3,7,11,14,19,22,25,28,31,36 --guarantee 3-if-4 --seed 1 --output "$dir\\räder.txt"
case_ save-settings 0 "$dir/éîä.txt" "--filter 32=6" "" -- \
    -f 32=6 -q --save-settings "$dir/éîä.txt"
case_ no-folder 1 "" "" \
    "lotto739-cli: cannot write 'Jörg\\räder.txt': the folder 'Jörg' does not exist" -- \
    --wheel 3,7,11,14,19,22,25,28,31,36 --guarantee 3-if-4 --output 'Jörg\räder.txt'
case_ euro 0 "€uro/€.txt" "--filter 32=6" "" -- -f 32=6 -q --save-settings "€uro/€.txt"
case_ read-euro 0 "" "" "" -- --check-tickets "€uro\\Scheine.txt" --draw 1,2,3,4,5,6,7
case_ chart 0 "$dir/Trichter-é.svg" "</svg>" "" -- -f 32=6 --funnel --chart "$dir/Trichter-é.svg"
case_ export-file 1 "" "" \
    "lotto739-cli: --export=$dir/Übersicht.txt: --export takes a folder and writes kvx7_NNNNNNNN.txt into it (NNNNNNNN the number of stored combinations), but this is a file; give its folder: --export=$dir" \
    -- -f 32=6 -q --export="$dir/Übersicht.txt"

echo "cli-wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
