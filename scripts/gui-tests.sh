#!/usr/bin/env bash
# Runs every scenario of lotto739-gui-tests under Wine on a private Xvfb display, one process
# per scenario, each in a fresh working directory.
# usage: scripts/gui-tests.sh BUILD_WIN_DIR [SCENARIO...]
#   BUILD_WIN_DIR: the Windows build tree (e.g. build/win); no SCENARIO: all of them
# Prints PASS/FAIL per scenario and "gui: N passed, M failed"; exits non-zero on any failure.
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 BUILD_WIN_DIR [SCENARIO...]" >&2
    exit 2
fi
build=$(cd "$1" 2>/dev/null && pwd) || { echo "gui-tests: no directory $1" >&2; exit 2; }
shift
exe=$build/tests/gui/lotto739-gui-tests.exe
if [ ! -f "$exe" ]; then
    echo "gui-tests: $exe not found; build the Windows tree first" >&2
    exit 2
fi
for tool in Xvfb wine wineboot wineserver timeout; do
    command -v "$tool" >/dev/null || { echo "gui-tests: $tool is not installed" >&2; exit 2; }
done

scenario_limit=170 # seconds per scenario
work=$(mktemp -d "${TMPDIR:-/tmp}/lotto739-gui.XXXXXX")
. "$(dirname "$0")/wine-env.sh"
cleanup() {
    stop_wine_display
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

start_display || { echo "gui-tests: no free X display from :95 up" >&2; exit 2; }
prepare_prefix | sed 's/^/gui-tests: /'


# The driver names its scenarios when called without one; the screenshot stop is not a test.
scenarios=$(cd "$work" && wine "$exe" </dev/null 2>/dev/null | tr -d '\r' |
    sed -n 's/^scenarios://p' | tr ' ' '\n' | grep -v -e '^$' -e '^screenshots$')
[ $# -gt 0 ] && scenarios="$*"
if [ -z "$scenarios" ]; then
    echo "gui-tests: $exe lists no scenarios" >&2
    exit 2
fi

passed=0
failed=0
for s in $scenarios; do
    dir=$work/$s
    mkdir -p "$dir"
    (cd "$dir" && timeout -k 5 "$scenario_limit" wine "$exe" "$s" </dev/null >"$dir/log" 2>&1)
    rc=$?
    if [ "$rc" -eq 0 ] && tr -d '\r' <"$dir/log" | grep -qx "OK $s"; then
        echo "PASS $s"
        passed=$((passed + 1))
    else
        echo "FAIL $s (exit status $rc)"
        tr -d '\r' <"$dir/log" | tail -n 20 | sed 's/^/    /'
        failed=$((failed + 1))
        wineserver -k >/dev/null 2>&1
    fi
done

echo "gui: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
