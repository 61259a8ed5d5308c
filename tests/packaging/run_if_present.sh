#!/usr/bin/env bash
# Runs a validator when it is installed, and reports the test skipped (77) when it is not.
# Anything it writes on stderr fails the test too: some validators warn there and exit 0.
# Usage: run_if_present.sh TOOL ARGS...
set -uo pipefail
if ! command -v "$1" >/dev/null 2>&1; then
    echo "$1 is not installed: skipped"
    exit 77
fi
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
"$@" 2>"$errors"
status=$?
cat "$errors" >&2
[ "$status" -eq 0 ] && [ ! -s "$errors" ]
