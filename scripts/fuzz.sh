#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz, then runs the record-data fuzzer for 60 seconds (or as many as the first argument
# says). Inputs that fail are left in build-fuzz as crash-* files.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cd "$source_dir"
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DTABLOOM_FUZZ=ON -DTABLOOM_SANITIZE=ON \
    -DTABLOOM_TESTS=OFF -DTABLOOM_BENCH=OFF
cmake --build build-fuzz --target record_data_fuzzer -j 2

mkdir -p build-fuzz/corpus
cd build-fuzz
# Qt's own libraries are not instrumented; what they leave allocated at exit is not ours to report.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ./fuzz/record_data_fuzzer -max_total_time="$seconds" -max_len=8192 -timeout=10 corpus "$source_dir/fuzz/seeds"
