#!/usr/bin/env bash
# Builds the program optimised and opens its window; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh build

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target ranktally
exec "$build/app/ranktally" "$@"
