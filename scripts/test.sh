#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test; fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev qt6-base-dev librsvg2-bin fonts-dejavu-core

build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --label-exclude soak
