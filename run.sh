#!/usr/bin/env bash
# ./run.sh [ARGS]
#   with ARGS:    builds what is missing and runs lotto739-cli ARGS
#   without ARGS: starts the Windows program (under Wine on Linux) when a display is available,
#                 otherwise runs the command line's default run (the full system, no filter).
# Build output goes to stderr, so stdout carries only what the program prints.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

build_cli() {
    if [ ! -x build/cli/lotto739-cli ]; then
        [ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DLOTTO_WIN_BUILD_DIR="$root/build/win" >&2
        cmake --build build -j"$jobs" --target lotto739-cli >&2
    fi
}

install_if_root() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "run.sh: missing packages: ${missing[*]}" >&2
        return 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

start_gui() {
    install_if_root g++-mingw-w64-x86-64 wine wine64 || return 1
    if [ ! -f build/win/app/win32/lotto739.exe ]; then
        [ -f build/win/CMakeCache.txt ] || cmake -S . -B build/win -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >&2
        cmake --build build/win -j"$jobs" --target lotto739 >&2
    fi
    export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
    exec wine build/win/app/win32/lotto739.exe
}

if [ $# -eq 0 ] && [ -n "${DISPLAY:-}" ]; then
    start_gui && exit 0
    echo "run.sh: the Windows program could not be started; running the command line instead" >&2
fi
build_cli
exec build/cli/lotto739-cli "$@"
