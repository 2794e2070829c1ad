#!/usr/bin/env bash
# Renders both installed manual pages with man's warnings on and expects none; the drapier-cli page must
# name every command that drapier-cli --help lists, and keep its examples.
# Usage: ManPages.sh BUILD BINDIR MANDIR
set -euo pipefail
. "$(dirname "$0")/InstallPrefix.sh"
install_prefix "$1"
bindir=$prefix/$2
mandir=$prefix/$3

render() {
    local warnings
    warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$1" 2>&1 >"$2") || fail "man -l $1 failed: $warnings"
    [ -z "$warnings" ] || fail "man -l $1 warns: $warnings"
    [ -s "$2" ] || fail "man -l $1 shows nothing"
}
designer=$(mktemp)
cli=$(mktemp)
trap 'rm -rf "$prefix" "$designer" "$cli"' EXIT
render "$mandir/man1/drapier.1.gz" "$designer"
render "$mandir/man1/drapier-cli.1.gz" "$cli"

grep -q '^SYNOPSIS' "$designer" || fail "drapier.1 has no synopsis"
# Formatting may hyphenate or space words out; compare the text without those.
flat=$(tr -s ' \n‐-' ' ' <"$cli")
commands=$("$bindir/drapier-cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z0-9-]*\).*/\1/p')
[ -n "$commands" ] || fail "drapier-cli --help lists no commands"
for command in $commands; do
    grep -q " $command " <<<"$flat" || fail "drapier-cli.1 does not describe '$command'"
done
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS EXAMPLES 'SEE ALSO'; do
    grep -q "^$heading" "$cli" || fail "drapier-cli.1 has no $heading section"
done
echo "man: both pages render cleanly; drapier-cli.1 covers" $commands
