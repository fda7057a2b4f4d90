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

# The AAX layer reads chunks and texts a host hands over: its suite also runs under the sanitizers.
asan_dir="${ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$asan_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTOMPIX_SANITIZE=ON -DSTOMPIX_BUILD_BENCH=OFF
cmake --build "$asan_dir" --parallel "$jobs" --target stompix_aax_tests
ctest --test-dir "$asan_dir" --output-on-failure -R '^stompix_aax_tests$'
