#!/usr/bin/env bash
# Installs what is missing, builds the VST3 plug-in and the command-line host, and renders the
# host's built-in test signal through the plug-in with each of the three phaser models.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

build_dir="${BUILD_DIR:-build}"
out_dir="${DEMO_DIR:-$build_dir/demo}"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel "$(nproc)" --target StompixZR7714_VST3 stompix-host

host="$build_dir/tools/host/stompix-host"
plugin="$build_dir/formats/vst3/StompixZR7714_artefacts/Release/VST3/Stompix ZR7714.vst3"
mkdir -p "$out_dir"

settings=(--seconds 6 --set rate=0.35 --set depth=0.8 --set feedback=0.6 --set stereo=1)

"$host" "$plugin" "${settings[@]}" --set onBypass=0 --out "$out_dir/dry.wav" > /dev/null
for model in 1 2 3; do
    type_value=$(awk "BEGIN { print ($model - 1) / 2 }")
    "$host" "$plugin" "${settings[@]}" --set phaserType="$type_value" --out "$out_dir/type$model.wav" > /dev/null
done

echo "Rendered the test signal (6 s, 48 kHz, 32-bit float stereo WAV):"
echo "  dry:    $(realpath "$out_dir/dry.wav")"
for model in 1 2 3; do
    echo "  Type $model: $(realpath "$out_dir/type$model.wav")"
done
