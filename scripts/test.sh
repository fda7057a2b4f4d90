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
