#!/usr/bin/env bash
# Uses the engine library the three ways another program can, with examples/consumer, which
# counts the combinations holding the lucky number 5 (2760681):
#   1. installed: `cmake --install` into BUILD_DIR/stage, then find_package(lotto739 1.0 CONFIG);
#   2. the same installed copy through pkg-config;
#   3. as a subproject (add_subdirectory): the host's ctest must list only the host's own test,
#      and no build type may be forced on the host.
# usage: scripts/check-library.sh BUILD_DIR   (a built native tree)
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
stage=$build/stage
work=$build/consumer
jobs=$(nproc 2>/dev/null || echo 2)
expected="2760681 combinations"
fail() {
    echo "check-library: $*" >&2
    exit 1
}

rm -rf "$stage" "$work"
cmake --install "$build" --prefix "$stage" --component library >/dev/null
for f in include/lotto739/lotto739.h lib/cmake/lotto739/lotto739Config.cmake \
         lib/cmake/lotto739/lotto739ConfigVersion.cmake lib/pkgconfig/lotto739.pc; do
    [ -f "$stage/$f" ] || fail "the installed tree lacks $f"
done
if grep -lE 'LOTTO_[A-Z_]+|popcount_instruction|has_popcnt|count_bits' "$stage"/include/lotto739/*.h; then
    fail "the installed headers above expose internal macros or helpers"
fi

cmake -S "$root/examples/consumer" -B "$work/installed" -G Ninja -DCMAKE_PREFIX_PATH="$stage" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/installed" >/dev/null
out=$("$work/installed/consumer" | head -n 1)
[ "$out" = "$expected" ] || fail "the consumer built with find_package printed '$out'"
echo "check-library: find_package consumer: $out"

PKG_CONFIG_PATH=$stage/lib/pkgconfig pkg-config --exists 'lotto739 >= 1.0' ||
    fail "pkg-config does not find lotto739 >= 1.0"
# shellcheck disable=SC2046 # the flags are separate words
c++ -std=c++20 -O2 -o "$work/pkg-config-consumer" "$root/examples/consumer/main.cpp" \
    $(PKG_CONFIG_PATH=$stage/lib/pkgconfig pkg-config --cflags --libs lotto739)
out=$("$work/pkg-config-consumer" | head -n 1)
[ "$out" = "$expected" ] || fail "the consumer built with pkg-config printed '$out'"
echo "check-library: pkg-config consumer: $out"

cmake -S "$root/examples/consumer" -B "$work/subproject" -G Ninja \
      -DLOTTO739_SOURCE_DIR="$root" >/dev/null
grep -q '^CMAKE_BUILD_TYPE:STRING=$' "$work/subproject/CMakeCache.txt" ||
    fail "the subproject forced a build type on its host"
if grep -qE '^(GTest_DIR|benchmark_DIR):' "$work/subproject/CMakeCache.txt"; then
    fail "the subproject looked for GoogleTest or Google Benchmark"
fi
cmake --build "$work/subproject" -j"$jobs" >/dev/null
tests=$(ctest --test-dir "$work/subproject" -N | sed -n 's/^Total Tests: //p')
[ "$tests" = 1 ] || fail "the host lists $tests tests, not just its own one"
out=$("$work/subproject/consumer" | head -n 1)
[ "$out" = "$expected" ] || fail "the consumer built with add_subdirectory printed '$out'"
echo "check-library: add_subdirectory consumer: $out, the host's only test"
