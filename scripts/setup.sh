#!/usr/bin/env bash
# Installs what building, playing and testing need on Debian 12, then
# configures and builds. Idempotent: when everything is there it only builds.
#   scripts/setup.sh --packages-only   installs what is missing, builds nothing
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
    dpkg-dev file lintian desktop-file-utils appstream python3
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 nsis
)
# Wine runs the Windows build and its tests. It comes with its recommended
# packages, which bring Mesa's drivers for its OpenGL, so it is installed in
# a call of its own.
WINE_PACKAGES=(wine wine64)

# Prints those of the named packages that are not installed.
missing_of() {
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            echo "$p"
        fi
    done
}
mapfile -t missing < <(missing_of "${PACKAGES[@]}")
mapfile -t missing_wine < <(missing_of "${WINE_PACKAGES[@]}")
if [ ${#missing[@]} -gt 0 ] || [ ${#missing_wine[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [ ${#missing_wine[@]} -gt 0 ]; then
        echo "Installing with recommends: ${missing_wine[*]}"
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing_wine[@]}"
    fi
fi
if [ "${1:-}" = --packages-only ]; then exit 0; fi

# The build runs Qt programs that draw the pictures.
. scripts/runtime_folder.sh
BUILD_DIR="${TARVIK_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${TARVIK_BUILD_TYPE:-RelWithDebInfo}" ${TARVIK_CMAKE_ARGS:-} > "$BUILD_DIR.configure.log" 2>&1 || { cat "$BUILD_DIR.configure.log"; exit 1; }
cmake --build "$BUILD_DIR" -j"$(nproc)"
