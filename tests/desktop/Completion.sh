#!/usr/bin/env bash
# Drives the installed bash completion as bash would, with the installed drapier-cli on the PATH: the
# commands, each command's options, the --set keys, files by their endings and the skin files inside a
# package all come from what drapier-cli --help and list say.
# Usage: Completion.sh BUILD BINDIR DATADIR EXAMPLES
set -euo pipefail
. "$(dirname "$0")/InstallPrefix.sh"
install_prefix "$1"
export PATH=$prefix/$2:$PATH
. "$prefix/$3/bash-completion/completions/drapier-cli"
examples=$4

work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cd "$work"
mkdir skins
touch skins/a.ini skins/b.QSK skins/c.png skins/d.txt
drapier-cli pack "$examples/plain/plain.ini" -o plain.qsk

# complete FUNCTION WORD... : the completions offered for the last word, one line, sorted.
complete_words() {
    local function=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    "$function"
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

# Each expectation runs in a subshell; read the help once out here, as an interactive shell keeps it.
_drapier_cli_read_help drapier-cli
failures=0
expect() {
    local wanted=$1 got
    shift
    got=$(complete_words "$@")
    if [ "$got" != "$wanted" ]; then
        echo "completion: '${*:2}' offered '$got', expected '$wanted'" >&2
        failures=$((failures + 1))
    fi
}

commands=$(drapier-cli --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p' | LC_ALL=C sort | tr '\n' ' ')
expect "--help --version ${commands% }" _drapier_cli drapier-cli ''
expect "geometry" _drapier_cli drapier-cli ge
expect "--canvas" _drapier_cli drapier-cli render x.ini --ca
expect "--highlight-areas --highlight-element" _drapier_cli drapier-cli render x.ini --high
expect "--inner --set" _drapier_cli drapier-cli geometry x.ini -
expect "skins/a.ini skins/b.QSK" _drapier_cli drapier-cli dump skins/
expect "skins/b.QSK" _drapier_cli drapier-cli list skins/
expect "skins/a.ini" _drapier_cli drapier-cli pack skins/
expect "skins/c.png" _drapier_cli drapier-cli render skins/a.ini -o skins/
expect "skins/a.ini skins/b.QSK" _drapier_cli drapier-cli render --set width = 320 -o out.png skins/
expect "" _drapier_cli drapier-cli render skins/a.ini skins/
expect "scrollbar= scrollbottom= scrolltop=" _drapier_cli drapier-cli render skins/a.ini --set scroll
expect "errors warnings" _drapier_cli drapier-cli check x.ini --fail-on ''
expect "plain.ini" _drapier_cli drapier-cli dump plain.qsk --inner ''
expect "skins/a.ini skins/b.QSK" _drapier drapier skins/

# Every key --set knows is offered: drapier-cli names them all when it meets an unknown one.
known=$({ drapier-cli geometry skins/a.ini --set nosuchkey=1 2>&1 || true; } | sed -n 's/.*(keys: \(.*\))$/\1/p' |
    tr -d ' ' | tr ',' '\n' | sed 's/$/=/' | LC_ALL=C sort | tr '\n' ' ')
[ -n "$known" ] || fail "drapier-cli did not list its --set keys"
expect "${known% }" _drapier_cli drapier-cli geometry skins/a.ini --set ''

[ "$failures" -eq 0 ] || fail "$failures completions were wrong"
echo "completion: all as expected"
