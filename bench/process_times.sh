#!/usr/bin/env bash
# Whole-process timings, medians of several runs:
#   bench/process_times.sh [BUILD_DIR] [RUNS]
# - the start to a rendered main window (--screenshot), offscreen;
# - a send of the default map to a pseudo-terminal (--send), with socat holding the pair.
set -euo pipefail
build=${1:-build}
runs=${2:-7}
exe="$build/app/solva-tx"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
millis() { local start=$(date +%s%N); "$@" >/dev/null 2>&1; echo $(( ($(date +%s%N) - start) / 1000000 )); }

for _ in $(seq "$runs"); do
    QT_QPA_PLATFORM=offscreen millis "$exe" --screenshot "$work/shot.png"
done | median | xargs printf 'start to rendered window (--screenshot): median %s ms\n'

# The default map, written as a data file: spans 15 V, filters off, 128 breakpoints.
{
    printf '15\r\n15\r\n0\r\n0\r\n128\r\n'
    for k in $(seq 1 128); do
        awk -v k="$k" 'BEGIN { printf "%.0f\r\n", k * 15 / 128 * 1000 }'
    done
    printf '\r\n'
} > "$work/default.pax"

if command -v socat >/dev/null; then
    socat -d pty,raw,echo=0,link="$work/box" pty,raw,echo=0,link="$work/host" &
    sleep 0.5
    cat "$work/box" > /dev/null &
    for _ in $(seq "$runs"); do
        SOLVA_TX_COM1="$work/host" millis "$exe" --send "$work/default.pax" --port 1
    done | median | xargs printf 'send of the default map to a pseudo-terminal (--send): median %s ms\n'
fi
