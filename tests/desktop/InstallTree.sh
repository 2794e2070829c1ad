#!/usr/bin/env bash
# Installs into a temporary prefix and checks that exactly the expected files arrive, that the programs
# run from there, that the icons have their sizes and that the metainfo names this version.
# Usage: InstallTree.sh BUILD EXPECTED-FILES VERSION
set -euo pipefail
. "$(dirname "$0")/InstallPrefix.sh"
build=$1
expected=$2
version=$3

install_prefix "$build"
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if ! diff -u <(LC_ALL=C sort "$expected") <(printf '%s\n' "$actual"); then
    fail "the installed files differ from the list (- expected, + installed)"
fi

bindir=$(grep -m1 '/drapier-cli$' "$expected" | sed 's|/drapier-cli$||')
[ "$("$prefix/$bindir/drapier-cli" --version)" = "drapier-cli $version" ] || fail "the installed drapier-cli does not run"
[ -x "$prefix/$bindir/drapier" ] || fail "the installed designer is not executable"
# The commands that draw find the drawing module from where the program lies.
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
QT_QPA_PLATFORM=offscreen "$prefix/$bindir/drapier-cli" render "$examples/plain/plain.ini" -o "$prefix/plain.png" ||
    fail "the installed drapier-cli does not render"
rm -f "$prefix/plain.png"

grep '/hicolor/[0-9]*x[0-9]*/apps/.*\.png$' "$expected" | while read -r icon; do
    size=$(sed 's|.*/hicolor/\([0-9]*\)x.*|\1|' <<<"$icon")
    file -b "$prefix/$icon" | grep -q "^PNG image data, $size x $size," ||
        fail "$icon is not a $size by $size PNG: $(file -b "$prefix/$icon")"
done

metainfo=$(grep -m1 '\.metainfo\.xml$' "$expected")
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "$metainfo has no release $version"
echo "install: $(wc -l <"$expected") files as expected"
