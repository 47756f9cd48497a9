#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the normal build, then the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cd "$source_dir"

bash scripts/install-deps.sh --test

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# The browser tests drive Chromium through playwright-core, pinned in tests/browser/package-lock.json.
npm ci --prefix tests/browser --no-audit --no-fund

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

# Qt's own libraries are not instrumented; what they leave allocated at exit is not ours to report.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABLOOM_SANITIZE=ON -DTABLOOM_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs" --label-exclude no-sanitizer
