#!/bin/sh
# Runs a program under an X server of its own with one screen of the given size:
#   run_on_screen.sh 1366x768x24 program [arguments...]
# Xvfb picks a free display itself (-displayfd), so tests started side by side
# never race for a display number.
set -u
screen=$1
shift
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$folder"' EXIT
tries=0
until grep -q '^[0-9][0-9]*$' "$folder/display" 2>/dev/null; do
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 200 ]; then
        echo "run_on_screen: Xvfb did not start" >&2
        cat "$folder/log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done
DISPLAY=":$(cat "$folder/display")" "$@"
