#!/usr/bin/env bash
# Installs what is missing, builds Tabloom and starts it in the folder this script was called from,
# which is where Finish writes its files.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
start_dir=$(pwd)

bash "$source_dir/scripts/install-deps.sh"
cmake -S "$source_dir" -B "$source_dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABLOOM_TESTS=OFF -DTABLOOM_BENCH=OFF
cmake --build "$source_dir/build" --target tabloom
cd "$start_dir"
exec "$source_dir/build/app/tabloom"
