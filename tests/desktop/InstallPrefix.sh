# Sourced by the desktop tests: install_prefix BUILD installs the build into a new temporary prefix,
# removed when the test ends, and sets $prefix to it.

fail() {
    echo "$(basename "$0"): $*" >&2
    exit 1
}

install_prefix() {
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$1" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
}
