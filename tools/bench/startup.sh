#!/usr/bin/env bash
# How long the main window takes to appear, and the resident memory then.
# Starts each program RUNS times on a private X server (Xvfb) and polls for its
# main window; prints the median time and memory. When the other program named
# by COMPARE is installed (qdmr by default), it is measured the same way.
# Usage: startup.sh BUILD_DIR   (RUNS=9, COMPARE=qdmr)
set -euo pipefail
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup.sh needs $tool (apt-get install xvfb xdotool)" >&2; exit 2; }
done
build=$(cd "$1" && pwd)
runs=${RUNS:-9}
compare=${COMPARE:-qdmr}
# The splash stays two seconds by design; it is not counted.
splash_ms=2000

work=$(mktemp -d)
trap 'kill $xserver 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb picks a free display and names it once it accepts clients; -noreset
# keeps it accepting them while the last one goes.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xserver=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display")

# A configuration chosen before, so the program starts without its first-run question.
mkdir -p "$work/config/HALVERN"
printf '[General]\nModel=PX-A5\nType=AKF0\n' > "$work/config/HALVERN/TAVRIN.ini"

# Runs "$@" and waits for a visible window whose name matches $pattern;
# prints "milliseconds resident-kB".
measure_once() {
    local pattern=$1
    shift
    local start now pid rss
    start=$(date +%s%N)
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$@" >>"$work/output" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null || (($(date +%s%N) - start > 30000000000)); then
            echo "no window matching '$pattern' from $1:" >&2
            cat "$work/output" >&2
            exit 1
        fi
        sleep 0.005
    done
    now=$(date +%s%N)
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((now - start) / 1000000)) "$rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

# Prints "median-ms median-kB" of RUNS starts, less `skip` milliseconds.
measure() {
    local skip=$1 pattern=$2
    shift 2
    rm -rf "$work/home"
    mkdir -p "$work/home"
    measure_once "$pattern" "$@" >/dev/null  # warms the file cache
    for _ in $(seq "$runs"); do measure_once "$pattern" "$@"; done > "$work/times"
    echo "$(($(cut -d' ' -f1 "$work/times" | median) - skip)) $(cut -d' ' -f2 "$work/times" | median)"
}

read -r ours ours_kb < <(measure "$splash_ms" '^TAVRIN \[' "$build/src/app/tavrin")
echo "TAVRIN: main window after ${ours} ms (less the ${splash_ms} ms splash), ${ours_kb} kB resident"
if command -v "$compare" >/dev/null; then
    read -r theirs theirs_kb < <(measure 0 "^$compare" "$compare")
    echo "$compare: main window after ${theirs} ms, ${theirs_kb} kB resident"
    awk -v a="$ours" -v b="$theirs" -v c="$ours_kb" -v d="$theirs_kb" \
        'BEGIN {printf "ratio: time %.2f, memory %.2f\n", a / b, c / d}'
fi
