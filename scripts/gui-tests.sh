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
xvfb_pid=
export HOME=${HOME:-$work}
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
    wineserver -k >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

# The first display from :95 up that nobody holds; another server may win the race for it, so
# a display counts only once our Xvfb has opened its socket.
for n in $(seq 95 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -S "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$n"
        break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
done
if [ -z "$xvfb_pid" ]; then
    echo "gui-tests: no free X display from :95 up" >&2
    exit 2
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "gui-tests: creating the Wine prefix $WINEPREFIX"
    wineboot -i </dev/null >"$work/wineboot.log" 2>&1
    wineserver -w
fi
# Windows that no window manager manages: without one, Wine waits two seconds at every hidden
# managed window for a withdrawal that never comes.
if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wineserver -w
fi

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
