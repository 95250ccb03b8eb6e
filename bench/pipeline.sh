#!/bin/bash
# The usual Linux pipeline for a serial keyboard wedge, as the benchmark's baseline: the port in
# raw mode, a shell loop reading lines, xdotool typing each line 40 ms per key, then Return.
# The device sends Latin-1; xdotool takes UTF-8, so each line is converted first.
port=$1
stty -F "$port" raw -echo 9600
while IFS= read -r line; do
    line=${line%$'\r'}
    xdotool type --delay 40 -- "$(printf '%s' "$line" | iconv -f LATIN1 -t UTF-8)"
    xdotool key Return
done <"$port"
