#!/usr/bin/env bash
# Builds everything from scratch into build/ and runs every test:
#   build/       native Release build (-Werror): engine, shell core, CLI, tests, benchmark; the
#                library installed into build/stage and used by examples/consumer; the .deb and
#                .tar.gz release packages; the manual page and bash completion, linted and tried
#   build/win/   the Windows programs, cross-compiled with MinGW-w64; GUI tests under Wine/Xvfb;
#                the .zip release package
#   build/asan/  the test suites again under AddressSanitizer and UndefinedBehaviorSanitizer
#   build/tsan/  the threaded runs, counts, funnels, history statistics and reduction checks
#                (engine, analysis, wheels and command line) under ThreadSanitizer
# Checks the formatting of every source first. Installs missing Debian packages when run as
# root. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev nlohmann-json3-dev libboost-math-dev clang-format
          pkgconf g++-mingw-w64-x86-64 wine wine64 xvfb groff mandoc bash-completion python3
          python3-jsonschema chromium chromium-driver python3-selenium curl desktop-file-utils)
# npm fetches axe-core for the page's accessibility check; Debian's only where none is installed.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    if [ "$(id -u)" -ne 0 ]; then
        echo "test.sh: missing packages: ${missing[*]} (run as root to install them)" >&2
        exit 1
    fi
    echo "== installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The browser's driver reaches Chromium at "localhost", which a bare system (a fresh debootstrap)
# has no /etc/hosts to resolve: give it the lines every installed Debian system has.
if ! getent hosts localhost >/dev/null && [ "$(id -u)" -eq 0 ]; then
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >>/etc/hosts
fi

echo "== formatting"
scripts/check-format.sh

rm -rf build
# npm trusts the system's certificates too (a local or company CA installed the Debian way).
[ -f /etc/ssl/certs/ca-certificates.crt ] && export NODE_EXTRA_CA_CERTS=${NODE_EXTRA_CA_CERTS:-/etc/ssl/certs/ca-certificates.crt}
echo "== axe-core (the page's accessibility check)"
npm install --prefix build/axe --no-audit --no-fund axe-core@4.10.2 >/dev/null
echo "== native build"
cmake -S . -B build -G Ninja -DLOTTO_WERROR=ON -DLOTTO_WIN_BUILD_DIR="$root/build/win" \
      -DLOTTO_AXE_JS="$root/build/axe/node_modules/axe-core/axe.min.js" >/dev/null
cmake --build build -j"$jobs"

echo "== windows build"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DLOTTO_WERROR=ON >/dev/null
cmake --build build/win -j"$jobs"

echo "== tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== manual page and bash completion"
scripts/check-manual.sh build

echo "== library: installed, through pkg-config, as a subproject"
scripts/check-library.sh build

echo "== release packages"
(cd build && cpack >/dev/null)
(cd build/win && cpack >/dev/null)
scripts/check-packages.sh build build/win

# -O1 and line tables only: the sanitizers' reports keep their file:line, and the builds take a
# third of the time -O2 -g takes (full debug info on the templated sources is most of it).
sanitizer_flags='-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG'
echo "== sanitizer build and tests"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$sanitizer_flags" -DLOTTO_SANITIZE=ON \
      -DLOTTO_BUILD_BENCH=OFF -DLOTTO_WERROR=ON >/dev/null
cmake --build build/asan -j"$jobs"
ctest --test-dir build/asan --output-on-failure -j"$jobs"

echo "== thread sanitizer build and the threaded tests"
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$sanitizer_flags" -DLOTTO_TSAN=ON \
      -DLOTTO_BUILD_BENCH=OFF -DLOTTO_WERROR=ON >/dev/null
cmake --build build/tsan -j"$jobs" --target engine_tests cli_tests lotto739-cli analysis_tests \
      wheel_tests
ctest --test-dir build/tsan --output-on-failure -j"$jobs" \
      -R '^(Threads|CliThreads|Odds)\.|^VerifyReduction\.AgreesWith'

echo "== all tests passed"
