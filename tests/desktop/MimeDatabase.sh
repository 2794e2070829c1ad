#!/usr/bin/env bash
# Builds the shared-mime-info database from the installed MIME package, in a temporary prefix, and asks
# it what a skin package, another ZIP archive and a skin file are.
# Usage: MimeDatabase.sh BUILD DATADIR
set -euo pipefail
. "$(dirname "$0")/InstallPrefix.sh"
install_prefix "$1"
data=$prefix/$2
type=application/x-pinlets-skin-package

# Given as the user's data folder, as a desktop session would have it.
messages=$(XDG_DATA_HOME=$data update-mime-database "$data/mime" 2>&1) || fail "update-mime-database failed: $messages"
[ -z "$messages" ] || fail "update-mime-database: $messages"
grep -qx "$type:\*\.qsk" <(cut -d: -f2- "$data/mime/globs2") || fail "no *.qsk glob for $type"
grep -qx "$type application/zip" "$data/mime/subclasses" || fail "$type is not a kind of application/zip"
! grep -q "$type" "$data/mime/magic" || fail "$type has magic of its own"
! grep -qi '\.ini' <(grep "$type" "$data/mime/globs2") || fail "skin files are claimed"

# The same answers through a reader of the database, for files with a ZIP's first bytes.
files=$(mktemp -d)
trap 'rm -rf "$prefix" "$files"' EXIT
printf 'PK\003\004rest of an archive' >"$files/Paper Pile.qsk"
cp "$files/Paper Pile.qsk" "$files/upper.QSK"
cp "$files/Paper Pile.qsk" "$files/other.zip"
printf '\377\376[skin]\r\n' >"$files/skin.ini"
ask() { XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share mimetype -b "$files/$1"; }
[ "$(ask 'Paper Pile.qsk')" = "$type" ] || fail "a .qsk is $(ask 'Paper Pile.qsk')"
[ "$(ask upper.QSK)" = "$type" ] || fail "a .QSK is $(ask upper.QSK)"
[ "$(ask other.zip)" = application/zip ] || fail "a .zip is $(ask other.zip)"
[ "$(ask skin.ini)" != "$type" ] || fail "a skin file is taken for a package"
echo "mime: $type registered"
