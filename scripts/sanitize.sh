#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, stopping at the first
# report, and runs every test, the window's included.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh build test

build=build/sanitize
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DRANKTALLY_SANITIZE=ON -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --label-exclude soak
