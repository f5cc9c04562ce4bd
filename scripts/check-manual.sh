#!/usr/bin/env bash
# Checks the manual page and the bash completion a native build made from the command table:
# the page passes groff -ww and mandoc -T lint, names every option that `lotto739-cli COMMAND
# --help` names, and the completion offers `wheel` for `lotto739-cli wh<TAB>` and the formats
# after --format.
# usage: scripts/check-manual.sh NATIVE_BUILD
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 NATIVE_BUILD" >&2; exit 2; }
fail() {
    echo "check-manual: $*" >&2
    exit 1
}
page=$1/lotto739-cli.1 completion=$1/lotto739-cli.bash cli=$1/cli/lotto739-cli
[ -f "$page" ] && [ -f "$completion" ] || fail "no manual page or completion in $1"
warnings=$(groff -ww -man -z "$page" 2>&1) || fail "groff: $warnings"
[ -z "$warnings" ] || fail "groff: $warnings"
mandoc -T lint "$page" || fail "mandoc -T lint finds faults in $page"
shown=$(mandoc -T ascii "$page" | sed $'s/.\b//g') # the overstrikes of bold and underline undone
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z-]*\).*/\1/p'); do
    for option in $("$cli" "$command" --help | grep -oE '^ *(-[a-z], )?--[a-z0-9-]+' |
                    grep -oE -- '--[a-z0-9-]+'); do
        grep -qF -- "$option" <<<"$shown" || fail "the manual page lacks $option of $command"
    done
done
complete_words() { # the completions bash offers for the words given, the last being completed
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _lotto739_cli
             printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
[ "$(complete_words lotto739-cli wh)" = wheel ] || fail "lotto739-cli wh<TAB> does not offer wheel"
[ "$(complete_words lotto739-cli backtest --format '' | tr '\n' ' ')" = "text csv json " ] ||
    fail "--format<TAB> does not offer text csv json"
complete_words lotto739-cli backtest --hist | grep -qx -- --history ||
    fail "backtest --hist<TAB> does not offer --history"
echo "check-manual: the manual page lints clean and names every option; the completion works"
