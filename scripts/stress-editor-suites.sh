#!/usr/bin/env bash
# Runs the suites that open windows N times in a row, in the sanitizer build and in the Debug
# build, and prints how many runs failed. A race between windows that fails one run in ten shows
# only in many runs; this is not part of the test command.
#
#   ./scripts/stress-editor-suites.sh N
#
# Each run starts together, in both builds: the AAX and VST2 modules' suites (each on an Xvfb of
# its own), the GUI suite on a private Xvfb, and the end-to-end editor test (stompix-host on an
# Xvfb of its own). The builds are configured as the test command configures them and brought up
# to date first. A failed suite's output is kept in <build folder>/stress-logs/.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-}"
if ! [[ "$runs" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 N (the number of runs, at least 1)" >&2
    exit 2
fi

jobs="${JOBS:-$(nproc)}"
asan_dir="${ASAN_BUILD_DIR:-build-asan}"
debug_dir="${DEBUG_BUILD_DIR:-build-debug}"
suites=(stompix_aax_plugin_tests stompix_vst2_plugin_tests stompix_gui_tests stompix_e2e_tests)

cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOMPIX_SANITIZE=ON \
    -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$asan_dir" --parallel "$jobs" --target "${suites[@]}"
cmake -S . -B "$debug_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$debug_dir" --parallel "$jobs" --target "${suites[@]}"

declare -A failures=()
failed_runs=0

# Starts one suite in the background, its output in a log of its own; finish_suite then waits
# for it and records a failure. The Debug build also fails on any of the framework's assertions,
# which the modules only report on the error stream.
declare -A pids=()
start_suite() {
    local dir="$1" run="$2" name="$3"
    shift 3
    local log="$dir/stress-logs/run$run-$name.log"
    mkdir -p "$dir/stress-logs"
    "$@" --gtest_color=no >"$log" 2>&1 &
    pids["$dir/$name"]=$!
}

finish_suite() {
    local dir="$1" run="$2" name="$3"
    local log="$dir/stress-logs/run$run-$name.log" status=0
    wait "${pids["$dir/$name"]}" || status=$?
    if [ "$status" -eq 0 ] && [ "$dir" = "$debug_dir" ] && grep -q "JUCE Assertion failure" "$log"; then
        status=1
    fi
    if [ "$status" -ne 0 ]; then
        failures["$dir/$name"]=$((${failures["$dir/$name"]:-0} + 1))
        run_failures+=("$dir/$name (status $status, $log)")
        return
    fi
    rm -f "$log"
}

# Each run starts the eight suite runs together, every one on an X server of its own, so that
# they also compete for the machine as the test command's suites do on a loaded CI machine.
for ((run = 1; run <= runs; ++run)); do
    run_failures=()
    for dir in "$asan_dir" "$debug_dir"; do
        start_suite "$dir" "$run" stompix_aax_plugin_tests "$dir/tests/aax_plugin/stompix_aax_plugin_tests"
        start_suite "$dir" "$run" stompix_vst2_plugin_tests "$dir/tests/vst2plugin/stompix_vst2_plugin_tests"
        start_suite "$dir" "$run" stompix_gui_tests ./scripts/with-private-display.sh \
            "$dir/tests/gui/stompix_gui_tests"
        start_suite "$dir" "$run" stompix_e2e_tests "$dir/tests/e2e/stompix_e2e_tests" \
            --gtest_filter='EditorWindow.*'
    done
    for dir in "$asan_dir" "$debug_dir"; do
        for name in "${suites[@]}"; do
            finish_suite "$dir" "$run" "$name"
        done
    done
    if [ "${#run_failures[@]}" -eq 0 ]; then
        echo "stress: run $run of $runs passed"
    else
        failed_runs=$((failed_runs + 1))
        echo "stress: run $run of $runs FAILED: ${run_failures[*]}"
    fi
done

for suite in "${!failures[@]}"; do
    echo "stress: $suite failed in ${failures[$suite]} of $runs runs"
done
echo "stress: $failed_runs of $runs runs failed"
[ "$failed_runs" -eq 0 ]
