#!/usr/bin/env bash
# Runs every fuzz harness, or the ones named, for SECONDS seconds each:
#   tests/fuzz/run.sh BUILD_DIR SECONDS [HARNESS...]   (make fuzz FUZZ_SECONDS=... FUZZ_HARNESSES=...)
# Each starts from the inputs in tests/fuzz/corpus/ and the files the tests read, and
# keeps what it learns in BUILD_DIR/fuzz-corpus/. A crash, a sanitizer report, a leak, a
# failed property or an input slower than its harness's limit fails the run and leaves
# that input in fuzz-findings/.
set -uo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
seconds=$2
shift 2
chosen=" $* "
findings=$top/fuzz-findings
mkdir -p "$findings"
failed=()

# name, the slowest an input may be (seconds), further starting inputs
run() {
    local name=$1 limit=$2
    shift 2
    [ "$chosen" = "  " ] || [[ $chosen == *" $name "* ]] || return 0
    local work=$build/fuzz-corpus/$name log=$build/fuzz-$name.log options=()
    mkdir -p "$work"
    [ -f "$top/tests/fuzz/$name.dict" ] && options+=("-dict=$top/tests/fuzz/$name.dict")
    [ -d "$top/tests/fuzz/corpus/$name" ] && set -- "$top/tests/fuzz/corpus/$name" "$@"
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout="$limit" -rss_limit_mb=2560 -print_final_stats=1 \
        -artifact_prefix="$findings/$name-" "${options[@]}" "$work" "$@" > "$log" 2>&1
    local status=$?
    local first last runs rate
    first=$(grep -m1 -o 'INITED cov: [0-9]*' "$log" | grep -o '[0-9]*$')
    last=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$')
    runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    rate=$(grep -o 'average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
    printf '%-12s %10s runs %8s/s  edges %s -> %s' "$name" "${runs:-?}" "${rate:-?}" "${first:-?}" "${last:-?}"
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        printf '  FAILED (log: %s)\n' "$log"
        grep -E 'ERROR|property failed|SUMMARY|Test unit written' "$log" | head -n 5
    else
        printf '\n'
    fi
}

run box_text 1
run energy_text 1
run jet_output 1
run update_list 1
run jet_file 2 "$top/tests/data"
run food_loader 3 "$build/Data"
run jet_helper 3 "$top/tests/data"

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]}; the inputs are in $findings/"
    exit 1
fi
