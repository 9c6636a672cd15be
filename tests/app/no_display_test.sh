#!/usr/bin/env bash
# Started with no display at all, the program must say so in one plain line and exit 1.
set -u
program="$1"
stderr_file="$(mktemp)"
trap 'rm -f "$stderr_file"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$stderr_file" >/dev/null
status=$?
lines=$(wc -l <"$stderr_file")
if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -qi 'display' "$stderr_file"; then
    echo "expected exit 1 and one line about the display; got exit $status and:" >&2
    cat "$stderr_file" >&2
    exit 1
fi
