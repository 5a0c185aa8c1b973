#!/bin/sh
# Runs a command on a private Xvfb display. Xvfb picks a free display number
# itself (-displayfd), so tests started in parallel never race for one.
set -eu
dir=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
xvfb=$!
tries=0
until [ -s "$dir/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=":$(head -n1 "$dir/display")" "$@"
