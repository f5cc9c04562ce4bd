#!/usr/bin/env bash
# ./run.sh [ARGS]
#   with ARGS:    builds lotto739-cli when it is missing or out of date and runs lotto739-cli ARGS
#   without ARGS: starts the Windows program (under Wine on Linux) when a display is available,
#                 otherwise runs the command line's default run (the full system, no filter).
# Run as root on a fresh Debian machine, it first installs what building the program needs:
# cmake, ninja-build, g++, nlohmann-json3-dev and libboost-math-dev; Wine and MinGW-w64 only for the Windows program.
# Tests and benchmark are not built, so GoogleTest and Google Benchmark are not needed.
# Build output goes to stderr, so stdout carries only what the program prints.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)
build_tools=(cmake ninja-build g++ nlohmann-json3-dev libboost-math-dev)

# Installs the Debian packages named that are missing; without root rights it names them and fails.
# Off Debian (no dpkg-query) it leaves the tools to the user.
install_if_root() {
    local missing=() p
    command -v dpkg-query >/dev/null || return 0
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "run.sh: missing packages: ${missing[*]} (run as root to install them)" >&2
        return 1
    fi
    echo "run.sh: installing ${missing[*]}" >&2
    DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2 || return 1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        >/dev/null
}

# Configures DIR (once) with the CMake options given and builds TARGET in it.
build_target() {
    local dir=$1 target=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja -DLOTTO_BUILD_TESTS=OFF -DLOTTO_BUILD_BENCH=OFF "$@" >&2 ||
            return 1
    fi
    cmake --build "$dir" -j"$jobs" --target "$target" >&2
}

build_cli() {
    # Without the tools (and no root to install them) an already built program still runs.
    if ! install_if_root "${build_tools[@]}"; then
        [ -x build/cli/lotto739-cli ] && return 0
        return 1
    fi
    build_target build lotto739-cli
}

start_gui() {
    install_if_root "${build_tools[@]}" g++-mingw-w64-x86-64 wine wine64 || return 1
    build_target build/win lotto739 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" ||
        return 1
    export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
    exec wine build/win/app/win32/lotto739.exe
}

if [ $# -eq 0 ] && [ -n "${DISPLAY:-}" ]; then
    start_gui || echo "run.sh: the Windows program could not be started; running the command line instead" >&2
fi
build_cli || exit 1
exec build/cli/lotto739-cli "$@"
