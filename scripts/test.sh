#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh build test

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --label-exclude soak
