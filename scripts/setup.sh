#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's archive, when it is missing.
# Recommended packages are left out on purpose: the project needs exactly these.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    juce-modules-source
    libasound2-dev libfreetype-dev libfontconfig1-dev libcurl4-openssl-dev
    libx11-dev libxext-dev libxinerama-dev libxrandr-dev libxcursor-dev libxcomposite-dev
    libjpeg-dev libpng-dev zlib1g-dev libgl-dev libgtk-3-dev libwebkit2gtk-4.0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool x11-utils libxtst-dev openbox
    fonts-dejavu-core fonts-dejavu-extra
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq || true
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
