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
wine_pid=
. "$(dirname "$0")/wine-env.sh"
cleanup() {
    [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null
    stop_wine_display
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP PIPE

start_display || { echo "screenshots: no free X display from :95 up" >&2; exit 2; }
prepare_prefix >/dev/null


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
