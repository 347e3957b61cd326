#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a bounded time, starting from
# the seed corpus kept in fuzz/corpus (which it leaves as it is). Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

scripts/ensure-packages.sh build fuzz

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DRANKTALLY_FUZZ=ON -DBUILD_TESTING=OFF -DRANKTALLY_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_numeric_text fuzz_recalculate

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The targets run side by side, one a core, each for the whole time.
targets="numeric_text recalculate"
for target in $targets; do
    mkdir "$work/$target"
    cp fuzz/corpus/$target/* "$work/$target/"
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" >"$work/$target.log" 2>&1 &
    eval "pid_$target=$!"
done
failed=0
for target in $targets; do
    status=0
    pid=pid_$target
    wait "${!pid}" || status=$?
    echo "== fuzz_$target for ${seconds}s"
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$target failed (status $status):" >&2
        grep -vE '^#[0-9]+ ' "$work/$target.log" | tail -40 >&2
        for artifact in "$work/$target"-crash-* "$work/$target"-leak-* "$work/$target"-timeout-* \
            "$work/$target"-oom-*; do
            [ -e "$artifact" ] && od -c "$artifact" | head -5 >&2
        done
        failed=1
    fi
done
exit "$failed"
