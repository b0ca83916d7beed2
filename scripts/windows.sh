#!/usr/bin/env bash
# Builds the Windows program folders with mingw-w64, and their packages:
#   1. installs what is missing (scripts/setup.sh --packages-only);
#   2. builds the Linux build's tarvik-artgen in build/ (that target only),
#      which draws every picture, sound, cursor and page;
#   3. configures build-win64/ and build-win32/ from cmake/windows with the
#      toolchain files of cmake/toolchains, and builds the program folders
#      build-win64/game/ and build-win32/game/;
#   4. packs the 64-bit folder into build-win64/package/:
#      tarvik-solitaire-1.0-win64.zip and tarvik-solitaire-1.0-setup.exe
#      (and the 32-bit one into build-win32/package/, a zip).
# Idempotent: a second run only rebuilds what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=2  # the machine is shared: never more

./scripts/setup.sh --packages-only
# The build runs Qt programs that draw the pictures.
. scripts/runtime_folder.sh

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE="${TARVIK_BUILD_TYPE:-RelWithDebInfo}" > build.configure.log 2>&1 ||
        { cat build.configure.log; exit 1; }
fi
cmake --build build --target tarvik-artgen -j"$jobs"

for arch in win64 win32; do
    case $arch in
        win64) toolchain=mingw-w64-x86_64.cmake ;;
        win32) toolchain=mingw-w64-i686.cmake ;;
    esac
    dir=build-$arch
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S cmake/windows -B "$dir" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/$toolchain" \
            -DTARVIK_ARTGEN="$root/build/tools/tarvik-artgen" > "$dir.configure.log" 2>&1 ||
            { cat "$dir.configure.log"; exit 1; }
    fi
    cmake --build "$dir" -j"$jobs"

    cmake --build "$dir" --target package_windows -j"$jobs"
    for file in "$dir/game/tarvik-solitaire.exe" "$dir/game/resources.dll" "$dir/package/"*.zip "$dir/package/"*.exe; do
        if [ -f "$file" ]; then echo "windows.sh: $(stat -c %s "$file") bytes  $file"; fi
    done
done
