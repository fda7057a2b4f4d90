#!/usr/bin/env bash
# Set-up, configure, build and every test, from a fresh clone on a fresh machine.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

build_dir="${BUILD_DIR:-build}"
jobs="$(nproc)"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel "$jobs"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs"

# The SDK layers read chunks, texts and records a host hands over: their suites also run under
# the sanitizers.
asan_dir="${ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOMPIX_SANITIZE=ON -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$asan_dir" --parallel "$jobs" --target stompix_aax_tests stompix_vst2sdk_tests
ctest --test-dir "$asan_dir" --output-on-failure -R '^(stompix_aax_tests|stompix_vst2sdk_tests)$'
