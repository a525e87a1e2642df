#!/usr/bin/env bash
# Starts the transceiver simulator, points COM1 at it for this session only,
# and runs the program. The simulator keeps its memory between runs in the
# build folder. Usage: run-with-simulator.sh BUILD_DIR [program arguments...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
row=${SIM_RADIO:-8}
port="$build/radiosim-port"
memory="$build/radiosim-row$row.tvr"

load=()
[ -f "$memory" ] && load=(--load "$memory")
"$build/tools/tavrin-radiosim" --radio "$row" --link "$port" --save "$memory" "${load[@]}" \
    --log "$build/radiosim.log" > "$build/radiosim.out" &
simulator=$!
trap 'kill -TERM $simulator 2>/dev/null; wait $simulator 2>/dev/null || true' EXIT

# The simulator prints its device once it serves.
for _ in $(seq 50); do
    [ -s "$build/radiosim.out" ] && break
    sleep 0.1
done
echo "Simulated transceiver (catalogue row $row) on $(head -n 1 "$build/radiosim.out"), as COM1."
echo "A COM1 entry of your own in the settings' [Ports] section takes precedence."

TAVRIN_COM1="$port" "$build/src/app/tavrin" "$@"
