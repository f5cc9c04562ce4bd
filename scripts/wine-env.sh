# Sourced by gui-tests.sh, cli-wine-tests.sh and screenshots.sh: a private Xvfb display and the Wine prefix of the
# Windows build tree. Expects $build (the tree) and $work (a scratch directory).

xvfb_pid=
export HOME=${HOME:-$work}
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Ends every Wine process of the prefix and the display.
stop_wine_display() {
    wineserver -k >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    xvfb_pid=
}

# Starts Xvfb on the first display from :95 up that nobody holds and exports DISPLAY; another
# server may win the race for a number, so a display counts only once our Xvfb has opened its
# socket. Fails when none is free.
start_display() {
    local n
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
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    return 1
}

# Creates the prefix when it is new, with windows that no window manager manages: without one,
# Wine waits two seconds at every hidden managed window for a withdrawal that never comes.
prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix $WINEPREFIX"
        wineboot -i </dev/null >"$work/wineboot.log" 2>&1
        wineserver -w
    fi
    if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        wineserver -w
    fi
}
