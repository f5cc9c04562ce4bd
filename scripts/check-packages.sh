#!/usr/bin/env bash
# Checks the release packages that `cpack` made in the build trees:
#   NATIVE_BUILD/lotto739_VERSION_ARCH.deb and lotto739-VERSION-Linux.tar.gz: lotto739-cli (it
#     runs), the library, its public headers and nothing internal, the CMake package, the
#     pkg-config file, the documents, the manual page, the bash completion and the desktop's
#     menu entry for the page (valid, starting the packaged program) with its icon;
#   WIN_BUILD/lotto739-VERSION-win64.zip (when WIN_BUILD is given): the two Windows programs,
#     stripped, with their version resource and icon, and the documents (with the Windows
#     notes, their lines ending in CR LF); no library.
# usage: scripts/check-packages.sh NATIVE_BUILD [WIN_BUILD]
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 NATIVE_BUILD [WIN_BUILD]" >&2
    exit 2
fi
fail() {
    echo "check-packages: $*" >&2
    exit 1
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $1/CMakeCache.txt"
work=$(mktemp -d "${TMPDIR:-/tmp}/lotto739-packages.XXXXXX")
trap 'rm -rf "$work"' EXIT

headers="lotto739.h funnel.h mask.h measure.h run.h settings.h"
library_files="bin/lotto739-cli lib/liblotto739_engine.a lib/pkgconfig/lotto739.pc
    lib/cmake/lotto739/lotto739Config.cmake lib/cmake/lotto739/lotto739ConfigVersion.cmake
    lib/cmake/lotto739/lotto739Targets.cmake share/doc/lotto739/LICENSE
    share/doc/lotto739/README.md share/doc/lotto739/CHANGELOG.md
    share/doc/lotto739/docs/count.md share/doc/lotto739/docs/schema/count.json
    share/man/man1/lotto739-cli.1.gz share/bash-completion/completions/lotto739-cli
    share/applications/lotto739-page.desktop share/icons/hicolor/scalable/apps/lotto739.svg
    $(printf 'include/lotto739/%s ' $headers)"

# Every expected file is in the unpacked tree DIR (the prefix), and no header but the public ones.
check_native_tree() {
    local name=$1 dir=$2 f
    for f in $library_files; do
        [ -f "$dir/$f" ] || fail "$name lacks $f"
    done
    for f in "$dir"/include/lotto739/*.h; do
        [[ " $headers " == *" $(basename "$f") "* ]] || fail "$name holds the internal header $f"
    done
    [ "$("$dir/bin/lotto739-cli" -f 7=5 -q)" = 2760681 ] || fail "$name: lotto739-cli miscounts"
    local entry=$dir/share/applications/lotto739-page.desktop
    desktop-file-validate "$entry" || fail "$name: $entry is not a valid desktop entry"
    local exec
    exec=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$dir/bin/${exec%% *}" ] || fail "$name: the menu entry starts ${exec%% *}, not packaged"
    "$dir/bin/${exec%% *}" ${exec#* } --help >/dev/null || fail "$name: the menu entry's command fails"
    echo "check-packages: $name: $(find "$dir" -type f | wc -l) files, lotto739-cli runs"
}

deb=$1/lotto739_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "$deb not found"
[ "$(dpkg-deb -f "$deb" Package Version | tr '\n' ' ')" = "Package: lotto739 Version: $version " ] ||
    fail "$deb: wrong package name or version"
dpkg-deb -x "$deb" "$work/deb"
check_native_tree "$(basename "$deb")" "$work/deb/usr"

tgz=$1/lotto739-$version-Linux.tar.gz
[ -f "$tgz" ] || fail "$tgz not found"
mkdir "$work/tgz"
tar -xzf "$tgz" -C "$work/tgz"
check_native_tree "$(basename "$tgz")" "$work/tgz/lotto739-$version-Linux"

[ $# -eq 2 ] || exit 0
zip=$(cd "$2" && pwd)/lotto739-$version-win64.zip
[ -f "$zip" ] || fail "$zip not found"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
top=$work/zip/lotto739-$version-win64
for f in lotto739.exe lotto739-cli.exe lotto739-page.cmd LICENSE README.md README-Windows.txt \
    CHANGELOG.md docs/count.md docs/schema/count.json; do
    [ -f "$top/$f" ] || fail "$(basename "$zip") lacks $f"
done
extra=$(cd "$top" && ls | grep -vxE 'lotto739(-cli)?\.exe|lotto739-page\.cmd|LICENSE|README\.md|README-Windows\.txt|CHANGELOG\.md|docs' || true)
[ -z "$extra" ] || fail "$(basename "$zip") holds more than the programs: $extra"
objdump=x86_64-w64-mingw32-objdump
for exe in lotto739.exe lotto739-cli.exe; do
    "$objdump" -t "$top/$exe" | grep -q 'no symbols' || fail "$exe in the zip is not stripped"
    # The resource types at the top of the directory: 3 icon, 0xe icon group, 0x10 version.
    types=$("$objdump" -p "$top/$exe" | sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x\([0-9a-f]*\),.*/\1/p')
    for type in 000003 00000e 000010; do
        grep -qx "$type" <<<"$types" || fail "$exe has no resource of type 0x$type"
    done
    strings -el "$top/$exe" | grep -qx "$version" || fail "$exe does not carry the version $version"
done
grep -q $'^"%~dp0lotto739-cli.exe" serve\r$' "$top/lotto739-page.cmd" ||
    fail "lotto739-page.cmd in the zip does not start the server with CR LF line ends"
grep -q $'^lotto739 '"$version"$' for Windows\r$' "$top/README-Windows.txt" ||
    fail "README-Windows.txt in the zip lacks its version or its CR LF line ends"
echo "check-packages: $(basename "$zip"): the two programs, stripped, with icon and version"
