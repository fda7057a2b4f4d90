#!/usr/bin/env bash
# Set-up, configure, build and every test, from a fresh clone on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."

# A failing run ends with the stage and the suite that failed, so that a CI log's last lines
# say where to look.
stage="set-up"
suite=""
report_failure() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        echo >&2
        echo "test: FAILED in stage \"$stage\"${suite:+, suite: $suite} (status $status)" >&2
    fi
}
trap report_failure EXIT

# Runs ctest on a build folder; on failure names the suites that failed.
run_ctest() {
    local dir="$1"
    shift
    local failed="$dir/Testing/Temporary/LastTestsFailed.log"
    rm -f "$failed"
    suite="ctest in $dir"
    if ! ctest --test-dir "$dir" --output-on-failure "$@"; then
        [ -f "$failed" ] && suite="$(cut -d: -f2- "$failed" | paste -sd' ' -) (ctest in $dir)"
        return 1
    fi
    suite=""
}

./scripts/setup.sh

build_dir="${BUILD_DIR:-build}"
jobs="$(nproc)"

stage="Release build"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel "$jobs"
# The VST2 suite also runs two third-party hosts' plug-in scanners on the built module.
./scripts/fetch-vst2-scanners.sh "$build_dir/scanners"
stage="Release suites"
run_ctest "$build_dir" --parallel "$jobs"

# The SDK layers read chunks, texts and records a host hands over: their suites also run under
# the sanitizers, and so do the whole lives of the AAX and VST2 modules in their test hosts (which build
# the framework and the processor with the sanitizers too).
stage="sanitizer build"
asan_dir="${ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOMPIX_SANITIZE=ON -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$asan_dir" --parallel "$jobs" \
    --target stompix_aax_tests stompix_aax_plugin_tests stompix_vst2sdk_tests \
    stompix_vst2_plugin_tests
stage="sanitizer suites"
run_ctest "$asan_dir" \
    -R '^(stompix_aax_tests|stompix_aax_plugin_tests|stompix_vst2sdk_tests|stompix_vst2_plugin_tests)$'

# The GUI suite once more in a Debug build, where the framework's assertions are live, on a real
# X server (Xvfb): a test fails on any assertion of the framework.
stage="Debug build"
debug_dir="${DEBUG_BUILD_DIR:-build-debug}"
cmake -S . -B "$debug_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$debug_dir" --parallel "$jobs" --target stompix_gui_tests stompix_vst2_plugin_tests \
    stompix_aax_plugin_tests
stage="Debug suites"
suite="stompix_gui_tests"
./scripts/with-private-display.sh "$debug_dir/tests/gui/stompix_gui_tests" --gtest_color=no
# The VST2 and AAX modules' suites bring their own Xvfb; the framework inside each module reports
# its assertions on the error stream, and any of them fails the run.
run_failing_on_assertions() {
    local format="$1" suite_binary="$2"
    local log="$debug_dir/$format-plugin-tests.log"
    suite="$(basename "$suite_binary")"
    "$suite_binary" --gtest_color=no 2>&1 | tee "$log"
    if grep -q "JUCE Assertion failure" "$log"; then
        echo "test: the $format module hit framework assertions" >&2
        exit 1
    fi
}
run_failing_on_assertions vst2 "$debug_dir/tests/vst2plugin/stompix_vst2_plugin_tests"
run_failing_on_assertions aax "$debug_dir/tests/aax_plugin/stompix_aax_plugin_tests"
suite=""

# Everything a host or a file hands over goes through a fuzzer (libFuzzer, with clang): state
# chunks, preset files, the VST2 module's dispatcher and the AAX module's chunks and parameter
# calls, and the AAX chunk parser. They run in a build folder of their own, with the address and
# undefined-behaviour sanitizers, after the processor's suite under the same sanitizers. The
# fuzzers share FUZZ_SECONDS (default 60) equally. A crash, a sanitizer report, a leak, a hang or
# a failed check fails the run; the input behind it is kept in the build folder.
stage="fuzzer build"
fuzz_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
fuzz_seconds="${FUZZ_SECONDS:-60}"
# Each fuzzer with the source folder beside which it lives (its seeds and dictionary are in
# fuzz/ there) and its dictionary.
fuzzers=(
    "stompix_state_fuzzer tests/processor state.dict"
    "stompix_preset_fuzzer tests/gui preset.dict"
    "stompix_vst2_dispatcher_fuzzer tests/vst2plugin vst2.dict"
    "stompix_aax_module_fuzzer tests/aax_plugin aax.dict"
    "stompix_aax_chunk_parser_fuzzer tests/aax chunk.dict"
)
cmake -S . -B "$fuzz_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link" -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" \
    -DSTOMPIX_SANITIZE=ON -DSTOMPIX_WERROR=OFF -DSTOMPIX_BUILD_BENCH=OFF -DSTOMPIX_BUILD_FUZZERS=ON
fuzz_targets=()
for fuzzer in "${fuzzers[@]}"; do
    fuzz_targets+=("${fuzzer%% *}")
done
cmake --build "$fuzz_dir" --parallel "$jobs" --target stompix_processor_tests "${fuzz_targets[@]}"
stage="fuzzer"
run_ctest "$fuzz_dir" -R '^stompix_processor_tests$'

fuzz_share=$((fuzz_seconds / ${#fuzzers[@]}))
((fuzz_share >= 1)) || fuzz_share=1

# Runs one fuzzer for its share of the time on its working corpus (in the build folder) and its
# seeds (in the source tree, only read); a single input running longer than 10 s counts as a hang.
run_fuzzer() {
    local name="$1" folder="$2" dictionary="$3"
    local corpus="$fuzz_dir/fuzz-corpus/$name" artifacts="$fuzz_dir/fuzz-artifacts/$name"
    local log="$fuzz_dir/fuzz-logs/$name.log"
    suite="$name"
    rm -rf "$artifacts"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    if ! "$fuzz_dir/$folder/$name" -max_total_time="$fuzz_share" -timeout=10 -detect_leaks=1 \
        -print_final_stats=1 -dict="$folder/fuzz/$dictionary" -artifact_prefix="$artifacts/" \
        "$corpus" "$folder/fuzz/seeds" > "$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "test: $name failed (its whole output: $log); the input that made it fail:" >&2
        find "$artifacts" -type f >&2
        return 1
    fi
    echo "test: $name: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in ${fuzz_share} s"
}

for fuzzer in "${fuzzers[@]}"; do
    # shellcheck disable=SC2086 # name, folder and dictionary, split on purpose
    run_fuzzer $fuzzer
done
suite=""

# The processor is shared by the host's audio thread and its message thread: with clang, the
# processor and GUI suites and a stress test of both threads at once (STOMPIX_STRESS_SECONDS,
# default 5) run under ThreadSanitizer, in a build folder of their own. The first race it reports
# ends the suite with a failure.
stage="thread sanitizer build"
tsan_dir="${TSAN_BUILD_DIR:-build-tsan}"
cmake -S . -B "$tsan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DSTOMPIX_TSAN=ON -DSTOMPIX_WERROR=OFF -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$tsan_dir" --parallel "$jobs" \
    --target stompix_processor_tests stompix_gui_tests stompix_thread_stress_tests
stage="thread sanitizer suites"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 history_size=4"
run_ctest "$tsan_dir" -R '^stompix_processor_tests$'
# Run directly, so that the log shows how many blocks and operations the two threads made.
suite="stompix_thread_stress_tests"
"$tsan_dir/tests/threads/stompix_thread_stress_tests" --gtest_color=no
suite="stompix_gui_tests"
./scripts/with-private-display.sh "$tsan_dir/tests/gui/stompix_gui_tests" --gtest_color=no
suite=""
echo "test: every stage passed"
