#!/usr/bin/env bash
# The calculator's start-up against the toolkit's floor, the same sixteen plain Qt controls with
# their texts and lists and nothing else: instructions to the first frame (callgrind, which counts
# the same on a busy machine), peak memory and, for reference, wall time in paired runs, offscreen,
# with an empty window and a one-label window beside them. Ratios are to the floor.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-200}
export QT_QPA_PLATFORM=offscreen
probes=(startup_probe startup_probe_floor startup_probe_empty startup_probe_label)
labels=("calculator" "floor" "empty window" "one-label window")

measure() {  # appends "microseconds kilobytes" to the file $2
    local start rss
    start=${EPOCHREALTIME/./}
    rss=$("$build/bench/$1" 2>/dev/null)
    echo "$((${EPOCHREALTIME/./} - start)) $rss" >>"$2"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for probe in "${probes[@]}"; do
    "$build/bench/$probe" >/dev/null 2>&1  # warm the page cache
done
for _ in $(seq "$runs"); do
    for probe in "${probes[@]}"; do
        measure "$probe" "$results/$probe"
    done
done

# The font database's setup counts differently from run to run by up to 0.3%: the median of
# several runs.
instruction_runs=${RANKTALLY_CALLGRIND_RUNS:-9}
instructions() {
    for _ in $(seq "$instruction_runs"); do
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$build/bench/$1" 2>&1 >/dev/null |
            sed -n 's/.*Collected : //p'
    done | median
}
echo "instructions to the first frame (callgrind, median of $instruction_runs runs):"
floor_instructions=$(instructions startup_probe_floor)
for i in 0 1; do
    count=$(instructions "${probes[$i]}")
    awk -v l="${labels[$i]}" -v c="$count" -v f="$floor_instructions" 'BEGIN {
        printf "%-17s %6.2fM (ratio %.3f)\n", l, c / 1e6, c / f }'
done

echo "runs: $runs of each, interleaved, offscreen; medians"
empty_time=$(cut -d' ' -f1 "$results/startup_probe_floor" | median)
empty_rss=$(cut -d' ' -f2 "$results/startup_probe_floor" | median)
for i in "${!probes[@]}"; do
    time=$(cut -d' ' -f1 "$results/${probes[$i]}" | median)
    rss=$(cut -d' ' -f2 "$results/${probes[$i]}" | median)
    awk -v l="${labels[$i]}" -v t="$time" -v m="$rss" -v et="$empty_time" -v em="$empty_rss" 'BEGIN {
        printf "%-17s start-up to window shown %6.1f ms (ratio %.3f), peak memory %5.1f MiB (ratio %.3f)\n",
            l, t / 1000, t / et, m / 1024, m / em }'
done
