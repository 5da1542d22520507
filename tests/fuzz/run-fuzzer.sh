#!/usr/bin/env bash
# Runs one fuzz target: first over its committed seeds and the inputs of crashes found before
# (kept there as regression cases), then fuzzing for a bounded time in a scratch corpus.
set -uo pipefail
fuzzer=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
"$fuzzer" -runs=0 "$seeds" > "$work/seeds.log" 2>&1 || { tail -n 40 "$work/seeds.log"; exit 1; }
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "$seeds" > "$work/fuzz.log" 2>&1
status=$?
grep -E 'stat::number_of_executed_units|stat::new_units_added' "$work/fuzz.log"
if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/fuzz.log"
    for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
        [ -e "$artifact" ] && { echo "input: $artifact"; od -c "$artifact" | head -8; }
    done
    exit 1
fi
