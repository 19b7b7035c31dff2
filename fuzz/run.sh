#!/bin/sh
# Builds the fuzz targets of the readers of outside bytes and runs each for the given number
# of seconds (default 60): the data file, the points, the paste, the recovery file, the names
# in the copies folder and the settings file. New inputs collect in fuzz/corpus-run/<target>;
# the seeds in fuzz/corpus (the data file's) and fuzz/seeds/<target> stay as they are. A crash
# or hang leaves its input in the build folder and fails.
set -eu
run_seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${FUZZ_BUILD_DIR:-$here/../build-fuzz}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
for target in pax points paste recovery sent_names settings; do
    seeds=$here/seeds/$target
    dict=
    if [ "$target" = pax ]; then
        seeds=$here/corpus
        dict=-dict=$here/pax.dict
    fi
    mkdir -p "$here/corpus-run/$target"
    echo "== ${target}_fuzzer"
    "$build/${target}_fuzzer" -max_total_time="$run_seconds" -timeout=10 -max_len=16384 \
        $dict -artifact_prefix="$build/${target}-" -print_final_stats=1 \
        "$here/corpus-run/$target" "$seeds"
done
