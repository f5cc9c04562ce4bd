#!/usr/bin/env bash
# Runs `lotto739-cli.exe serve` under Wine and asks it, from the Linux side, for one count over
# POST /api/run with the token it printed.
# usage: scripts/web-wine-test.sh BUILD_WIN_DIR
# Prints "web-wine: 1 passed, 0 failed" (or the failure); exits non-zero on a failure.
set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_WIN_DIR" >&2
    exit 2
fi
build=$(cd "$1" 2>/dev/null && pwd) || { echo "web-wine: no directory $1" >&2; exit 2; }
exe=$build/cli/lotto739-cli.exe
[ -f "$exe" ] || { echo "web-wine: $exe not found; build the Windows tree first" >&2; exit 2; }
for tool in wine wineboot wineserver curl; do
    command -v "$tool" >/dev/null || { echo "web-wine: $tool is not installed" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/lotto739-web-wine.XXXXXX")
. "$(dirname "$0")/wine-env.sh"
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP PIPE
prepare_prefix | sed 's/^/web-wine: /'

fail() {
    echo "web-wine: $*"
    echo "web-wine: 0 passed, 1 failed"
    exit 1
}

wine "$exe" serve --port 0 --no-open </dev/null >"$work/out" 2>"$work/err" &
url=
for _ in $(seq 300); do # Wine starts in a few seconds; 30 at most
    url=$(grep -ao 'http://127\.0\.0\.1:[0-9]*/?token=[0-9a-f]*' "$work/err" | head -1)
    [ -n "$url" ] && break
    sleep 0.1
done
[ -n "$url" ] || fail "no address printed: $(tr -d '\r' <"$work/err")"
base=${url%%/\?*}
token=${url##*token=}
answer=$(curl -sS --max-time 60 -H "Authorization: Bearer $token" \
    -d '{"args": ["-f", "7=5", "-q", "--format", "json"]}' "$base/api/run" 2>&1)
[ "$answer" = '{"stored":2760681}' ] || fail "the API answered '$answer'"
refused=$(curl -sS --max-time 60 -o /dev/null -w '%{http_code}' -d '{"args": []}' "$base/api/run")
[ "$refused" = 403 ] || fail "a request without the token got $refused"
echo "PASS serve under Wine answers the API and refuses a request without the token"
echo "web-wine: 1 passed, 0 failed"
