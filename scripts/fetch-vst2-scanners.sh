#!/usr/bin/env bash
# Fetches the plug-in scanners of Debian's Ardour and qtractor packages, with the few runtime
# libraries the machine lacks for them, unpacked into a folder (default build/scanners) without
# installing either program. The VST2 scanner tests run them on the built plug-in.
set -euo pipefail

dest="${1:-build/scanners}"
root="$dest/root"
ardour_scanner="$root/usr/lib/ardour7/ardour-vst-scanner"
qtractor_scanner="$root/usr/lib/x86_64-linux-gnu/qtractor/qtractor_plugin_scan"

packages=(ardour qtractor libglibmm-2.4-1v5 libsigc++-2.0-0v5 libqt6core6 libdouble-conversion3 libb2-1)

if [ ! -x "$ardour_scanner" ] || [ ! -x "$qtractor_scanner" ]; then
    mkdir -p "$dest/debs" "$root"
    # apt-get download runs as the caller in the target folder.
    download() { (cd "$dest/debs" && apt-get download -qq "${packages[@]}" 2>/dev/null); }
    if ! download; then
        sudo=""
        if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
        $sudo apt-get update -qq
        download
    fi
    for deb in "$dest"/debs/*.deb; do
        dpkg-deb -x "$deb" "$root"
    done
fi

library_path="$root/usr/lib/ardour7:$root/usr/lib/x86_64-linux-gnu"
missing="$(LD_LIBRARY_PATH="$library_path" ldd "$ardour_scanner" "$qtractor_scanner" | grep 'not found' || true)"
if [ -n "$missing" ]; then
    echo "fetch-vst2-scanners: libraries still missing:" >&2
    echo "$missing" >&2
    exit 1
fi
echo "fetch-vst2-scanners: scanners ready in $root"
