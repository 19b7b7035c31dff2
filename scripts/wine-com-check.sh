#!/usr/bin/env bash
# Sends a map from the Windows build through Wine's COM12 and COM1, each mapped to one end of a
# pseudo-terminal pair, and checks that the other end receives exactly the 768 bytes of
# --stream; that the port, as the program used it (traced with strace), held the break for
# half a second before the first byte; and that --ports names COM devices.
#   WINEPREFIX=... WINEPATH=... wine-com-check.sh SOLVA-TX.EXE
set -euo pipefail
exe=$1
here=$(cd "$(dirname "$0")/.." && pwd)
run=("$here/scripts/wine-run.sh")
map=$here/tests/files/data/default_abc.pax  # its stream holds 0A, 0D and 1A, which text mode mangles
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -f "$WINEPREFIX/dosdevices/com12" "$WINEPREFIX/dosdevices/com1"
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "COM port check FAILED: $*" >&2
    exit 1
}

# One Wine server for all the runs, so that only the program itself is traced and Wine's
# mount manager, which makes com1 the host's first serial port as Wine starts, runs before
# the ports are pointed at the pseudo-terminal.
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1
"${run[@]}" wineboot >/dev/null 2>&1 || true
socat pty,raw,echo=0,link="$work/box" pty,raw,echo=0,link="$work/host" &
pids+=($!)
for _ in $(seq 50); do [ -e "$work/box" ] && [ -e "$work/host" ] && break; sleep 0.1; done

"${run[@]}" "$exe" --stream "Z:$map" >"$work/stream.bin" || fail "--stream failed"
size=$(stat -c %s "$work/stream.bin")
[ "$size" -eq 768 ] || fail "--stream wrote $size bytes, not 768"

for port in 12 1; do
    ln -sfn "$work/host" "$WINEPREFIX/dosdevices/com$port"
    cat "$work/box" >"$work/received-$port.bin" 2>/dev/null &
    reader=$!
    strace -f -tt -e trace=ioctl,write,close -e signal=none -o "$work/trace-$port.txt" \
        "${run[@]}" "$exe" --send "Z:$map" --port "$port" 2>"$work/progress-$port.txt" \
        || fail "--send --port $port: $(cat "$work/progress-$port.txt")"
    sleep 0.5
    kill "$reader"
    wait "$reader" 2>/dev/null || true
    echo "COM$port: cmp of the bytes received with the 768 bytes of --stream:"
    cmp "$work/received-$port.bin" "$work/stream.bin" || fail "COM$port received other bytes"
    echo "  identical ($(stat -c %s "$work/received-$port.bin") bytes)"
    # The port is the descriptor that gets the break; before it no byte, after it and before it
    # is closed all 768.
    awk '
        function seconds(t) { split(t, p, ":"); return p[1] * 3600 + p[2] * 60 + p[3] }
        !fd && /ioctl\([0-9]+, TIOCSBRK/ { fd = $3; sub(/ioctl\(/, "", fd); sub(/,/, "", fd); on = seconds($2) }
        fd && $3 == "ioctl(" fd "," && $4 == "TIOCCBRK)" { off = seconds($2) }
        fd && index($3, "close(" fd ")") == 1 { fd = "done" }
        fd && index($3, "write(" fd ",") == 1 {
            # The length asked for, also where another thread splits the line (unfinished).
            line = $0; sub(/ <unfinished.*/, "", line); sub(/\) *=.*/, "", line)
            n = split(line, part, ", "); if (!off) early++; else bytes += part[n]
        }
        END {
            held = off - on
            printf "  break held %.2f s, then %d bytes written\n", held, bytes
            exit !(fd == "done" && held >= 0.45 && held < 1 && !early && bytes == 768)
        }' "$work/trace-$port.txt" || fail "COM$port: no break of 0.5 s before the 768 bytes"
done

"${run[@]}" "$exe" --ports >"$work/ports.txt"
grep -q "^com 1   COM1  (default)" "$work/ports.txt" && grep -q "^com 12  COM12  (default)" "$work/ports.txt" \
    || fail "--ports does not name COM ports: $(head -3 "$work/ports.txt")"
echo "--ports: $(sed -n 12p "$work/ports.txt")"
