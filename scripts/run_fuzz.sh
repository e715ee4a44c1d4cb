#!/usr/bin/env bash
# Builds the libFuzzer targets with the fuzz preset in build-fuzz (clang, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each on a copy of its committed seed corpus, so a run
# never adds files to the tree.
#   scripts/run_fuzz.sh [SECONDS] [TARGET...]
# SECONDS per target (default 15); TARGET is a name such as config_file (default: all). Fails
# when any target finds a fault; the input that shows it is kept in build-fuzz/findings/TARGET.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(config_file phone_number sms_text link_replies frame_parser)

build="$root/build-fuzz"
command -v clang++ > /dev/null || { echo "run_fuzz: clang++ is missing (scripts/install_deps.sh)"; exit 1; }
"$root/scripts/build.sh" fuzz

work=$(mktemp -d /tmp/grt8_fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
    corpus="$work/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    cp "$root/tests/fuzz/corpus/$target/"* "$corpus/"
    log="$work/$target.log"
    if "$build/tests/fuzz/grt8_fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" > "$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
        inputs=$(find "$corpus" -type f | wc -l)
        echo "fuzz $target: $runs executions in ${seconds}s, $coverage, corpus $inputs inputs, no findings"
    else
        echo "fuzz $target: FAILED; the input is in $findings"
        grep -E -A 30 '^==[0-9]+==ERROR|runtime error|deadly signal|Timeout|out-of-memory' "$log" |
            head -n 60
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}"
    exit 1
fi
