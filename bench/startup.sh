#!/usr/bin/env bash
# The calculator's start-up against the toolkit's floor, the same sixteen plain Qt controls with
# their texts and lists and the plan's link as a plain label, nothing else, in English and in
# German (LANGUAGE=en, LANGUAGE=de; the floor's captions are German there too): instructions to
# the first frame (callgrind, which counts the same on a busy machine), peak memory and, for
# reference, wall time in paired runs, offscreen, with an empty window and a one-label window
# beside them. Ratios are to the floor in the same language.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-200}
export QT_QPA_PLATFORM=offscreen
# Each a language and a program; a calculator is followed by its floor.
probes=("en startup_probe" "en startup_probe_floor" "de startup_probe" "de startup_probe_floor"
    "en startup_probe_empty" "en startup_probe_label")
labels=("calculator" "floor" "calculator, de" "floor, de" "empty window" "one-label window")
floor_of=(1 1 3 3 1 1)

run() {  # run PROBE_INDEX COMMAND...: the command with the probe's language and program
    local language program
    read -r language program <<<"${probes[$1]}"
    shift
    LANGUAGE=$language "$@" "$build/bench/$program"
}
measure() {  # appends "microseconds kilobytes" to the probe's file
    local start rss
    start=${EPOCHREALTIME/./}
    rss=$(run "$1" 2>/dev/null)
    echo "$((${EPOCHREALTIME/./} - start)) $rss" >>"$results/$1"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for i in "${!probes[@]}"; do
    run "$i" >/dev/null 2>&1  # warm the page cache
done
for _ in $(seq "$runs"); do
    for i in "${!probes[@]}"; do
        measure "$i"
    done
done

# The font database's setup counts differently from run to run by up to 0.3%: the median of
# several runs.
instruction_runs=${RANKTALLY_CALLGRIND_RUNS:-9}
instructions() {
    for _ in $(seq "$instruction_runs"); do
        run "$1" valgrind --tool=callgrind --callgrind-out-file=/dev/null 2>&1 >/dev/null |
            sed -n 's/.*Collected : //p'
    done | median
}
echo "instructions to the first frame (callgrind, median of $instruction_runs runs):"
for calculator in 0 2; do
    floor=${floor_of[$calculator]}
    floor_count=$(instructions "$floor")
    count=$(instructions "$calculator")
    for i in "$calculator" "$floor"; do
        [ "$i" = "$calculator" ] && c=$count || c=$floor_count
        awk -v l="${labels[$i]}" -v c="$c" -v f="$floor_count" 'BEGIN {
            printf "%-17s %6.2fM (ratio %.3f)\n", l, c / 1e6, c / f }'
    done
done

echo "runs: $runs of each, interleaved, offscreen; medians"
for i in "${!probes[@]}"; do
    floor=${floor_of[$i]}
    floor_time=$(cut -d' ' -f1 "$results/$floor" | median)
    floor_rss=$(cut -d' ' -f2 "$results/$floor" | median)
    time=$(cut -d' ' -f1 "$results/$i" | median)
    rss=$(cut -d' ' -f2 "$results/$i" | median)
    awk -v l="${labels[$i]}" -v t="$time" -v m="$rss" -v ft="$floor_time" -v fm="$floor_rss" 'BEGIN {
        printf "%-17s start-up to window shown %6.1f ms (ratio %.3f), peak memory %5.1f MiB (ratio %.3f)\n",
            l, t / 1000, t / ft, m / 1024, m / fm }'
done
