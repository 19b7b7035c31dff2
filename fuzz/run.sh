#!/bin/sh
# Builds the fuzz target of the data-file reader and runs it for the given number of
# seconds (default 60). New inputs collect in fuzz/corpus-run; the seeds in fuzz/corpus
# stay as they are. A crash or hang leaves its input in the build folder and fails.
set -eu
run_seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=${FUZZ_BUILD_DIR:-$here/../build-fuzz}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
mkdir -p "$here/corpus-run"
exec "$build/pax_fuzzer" -max_total_time="$run_seconds" -timeout=10 -max_len=16384 \
    -dict="$here/pax.dict" -artifact_prefix="$build/" -print_final_stats=1 \
    "$here/corpus-run" "$here/corpus"
