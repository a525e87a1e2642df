#!/bin/bash
# Writes what the programs put out for every configuration into one folder, so
# that two builds can be compared byte for byte (diff -r) after a change that
# must not change behaviour: data files as New and the CSV import make them,
# listings with their captions, CSV exports, and the commands and replies of
# a read and a write of each configuration against the simulator (times left
# out).
#
#   scripts/output-snapshot.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
cli="$build/src/tavrin-cli"
sim="$build/tools/tavrin-radiosim"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen

# Commands and replies of a log, without the times that differ from run to run.
wire() { sed -E 's/^[+]? *[0-9.]+ ms  //' "$1" | grep -E '^(>|<)  ' || true; }

exchange() {  # ROW COUNT NAME COMMAND ARGS... (the device goes before ARGS)
    local row=$1 count=$2 name=$3 command=$4
    shift 4
    local device
    coproc SIM { exec "$sim" --radio "$row" --channels "$count" --load "$out/$row-$count-filled.tvr" --quiet; }
    read -r device <&"${SIM[0]}"
    "$cli" --radio "$row" --channels "$count" --log "$work/$name.log" "$command" "$device" "$@" >/dev/null 2>&1 || true
    kill "$SIM_PID" 2>/dev/null || true
    wait "$SIM_PID" 2>/dev/null || true
    wire "$work/$name.log" >"$out/$name.wire"
}

for row in $(seq 1 15); do
    for count in 49 99 199; do
        "$cli" --radio "$row" --channels "$count" import-csv "$here/tests/core/files/csv/channels.csv" \
            "$out/$row-$count-filled.tvr" 2>"$out/$row-$count-import.txt" || continue
        "$cli" --radio "$row" --channels "$count" import-csv "$here/tests/core/files/csv/nothing_importable.csv" \
            "$out/$row-$count-new.tvr" 2>/dev/null || true
        # The caption names the file as given: named from inside the folder, it
        # reads the same whichever folder the snapshot goes to.
        (cd "$out" && "$cli" --radio "$row" --channels "$count" list "$row-$count-filled.tvr") \
            >"$out/$row-$count.list" 2>&1 || true
        "$cli" --radio "$row" --channels "$count" export-csv "$out/$row-$count-filled.tvr" \
            "$out/$row-$count.csv" 2>/dev/null || true
        exchange "$row" "$count" "$row-$count-read" read "$work/read.tvr"
        cp "$work/read.tvr" "$out/$row-$count-read.tvr" 2>/dev/null || true
        exchange "$row" "$count" "$row-$count-write" write "$out/$row-$count-filled.tvr" --yes
    done
done
echo "$out"
