#!/usr/bin/env bash
# Photographs each window of the program under Wine: build/screenshots/{info,main,pick,report,
# viewer,statistics}.png. Builds nothing; needs lotto739-gui-tests.exe in the Windows tree.
# usage: scripts/screenshots.sh [BUILD_WIN_DIR]   (default build/win)
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win}" 2>/dev/null && pwd) || {
    echo "screenshots: no directory ${1:-build/win}" >&2
    exit 2
}
exe=$build/tests/gui/lotto739-gui-tests.exe
if [ ! -f "$exe" ]; then
    echo "screenshots: $exe not found; build the Windows tree first" >&2
    exit 2
fi
for tool in Xvfb wine wineboot wineserver import convert; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is not installed" >&2; exit 2; }
done
out=$root/build/screenshots
mkdir -p "$out"

work=$(mktemp -d "${TMPDIR:-/tmp}/lotto739-shots.XXXXXX")
xvfb_pid=
wine_pid=
export HOME=${HOME:-$work}
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
    [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
    wineserver -k >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

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
[ -n "$xvfb_pid" ] || { echo "screenshots: no free X display from :95 up" >&2; exit 2; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >"$work/wineboot.log" 2>&1
    wineserver -w
fi
# Windows that no window manager manages: without one, Wine waits two seconds at every hidden
# managed window for a withdrawal that never comes.
if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wineserver -w
fi

# The driver prints "SHOT name left top right bottom" at each window and waits for name.shot.
log=$work/log
(cd "$work" && exec wine "$exe" screenshots </dev/null >"$log" 2>&1) &
wine_pid=$!
taken=0
deadline=$((SECONDS + 150))
while kill -0 "$wine_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    while read -r tag name left top right bottom; do
        [ "$tag" = SHOT ] || continue
        [ -e "$work/$name.shot" ] && continue
        import -window root "$work/screen.png"
        [ "$left" -lt 0 ] && left=0
        [ "$top" -lt 0 ] && top=0
        convert "$work/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
            "$out/$name.png"
        echo "screenshots: $out/$name.png"
        taken=$((taken + 1))
        touch "$work/$name.shot"
    done < <(tr -d '\r' <"$log")
    sleep 0.2
done
wait "$wine_pid"
rc=$?
wine_pid=
if [ "$rc" -ne 0 ] || ! tr -d '\r' <"$log" | grep -qx "OK screenshots"; then
    echo "screenshots: the driver failed (exit status $rc):" >&2
    tr -d '\r' <"$log" | tail -n 20 | sed 's/^/    /' >&2
    exit 1
fi
echo "screenshots: $taken windows"
