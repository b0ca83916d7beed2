#!/usr/bin/env bash
# Installs what building, playing and testing need on Debian 12, then
# configures and builds. Idempotent: when everything is there it only builds.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri
    fonts-liberation2 fonts-liberation xdg-utils
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils
    clang libclang-rt-14-dev llvm
    ccache
    g++-mingw-w64-x86-64
    dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${TARVIK_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${TARVIK_BUILD_TYPE:-RelWithDebInfo}" ${TARVIK_CMAKE_ARGS:-} > "$BUILD_DIR.configure.log" 2>&1 || { cat "$BUILD_DIR.configure.log"; exit 1; }
cmake --build "$BUILD_DIR" -j"$(nproc)"
