#!/usr/bin/env bash
# Builds the web page with emscripten, and its zip:
#   1. installs what is missing (scripts/setup.sh --packages-only for the
#      Linux build, then Debian's emscripten and chromium);
#   2. builds the Linux build's tarvik-artgen in build/ (that target only),
#      which draws every picture, cloth, sound, cursor and glyph of the page;
#   3. configures build-web/ from cmake/web with emcmake and builds the site
#      build-web/site/ (the page, the program, its data);
#   4. packs it into build-web/package/tarvik-solitaire-1.0-web.zip.
# Idempotent: a second run only rebuilds what changed.
#   scripts/web.sh --serve [PORT]   then serves build-web/site/ on 127.0.0.1
#                                   (port 8080 unless named) until stopped
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=2  # the machine is shared: never more

serve=0
port=8080
if [ "${1:-}" = --serve ]; then
    serve=1
    port="${2:-8080}"
fi

./scripts/setup.sh --packages-only
WEB_PACKAGES=(emscripten chromium)
missing=()
for p in "${WEB_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE="${TARVIK_BUILD_TYPE:-RelWithDebInfo}" > build.configure.log 2>&1 ||
        { cat build.configure.log; exit 1; }
fi
cmake --build build --target tarvik-artgen -j"$jobs"

# Debian's emscripten optimises with tools that need Node's acorn from Debian.
export NODE_PATH=/usr/share/nodejs
if [ ! -f build-web/CMakeCache.txt ]; then
    emcmake cmake -S cmake/web -B build-web -DCMAKE_BUILD_TYPE=Release \
        -DTARVIK_ARTGEN="$root/build/tools/tarvik-artgen" > build-web.configure.log 2>&1 ||
        { cat build-web.configure.log; exit 1; }
fi
cmake --build build-web -j"$jobs"
cmake --build build-web --target package_web -j"$jobs"
for file in build-web/site/tarvik-solitaire.wasm build-web/site/tarvik-solitaire.js build-web/package/*.zip; do
    echo "web.sh: $(stat -c %s "$file") bytes  $file"
done

if [ "$serve" = 1 ]; then
    exec python3 "$root/scripts/web_serve.py" "$root/build-web/site" "$port"
fi
