#!/usr/bin/env bash
# Runs a checker and fails when it fails or says anything at all: a validator's warnings and hints are
# faults of the file it checked.
# Usage: Quiet.sh COMMAND [ARGUMENT]...
set -uo pipefail
output=$("$@" 2>&1)
status=$?
if [ "$status" -ne 0 ] || [ -n "$output" ]; then
    printf '%s\n' "$output" >&2
    echo "quiet: '$*' ended with status $status and the output above" >&2
    exit 1
fi
