#!/usr/bin/env bash
# Sets up everything that is missing, builds, and runs every test:
#   1. the whole suite (rules, store, textures, text, scene, the core's loop,
#      window, tools, bad files, input storm) under Xvfb with Mesa's software
#      renderer;
#   2. the Windows build made and tested under Wine (scripts/windows_test.sh):
#      its imports, its resources against the shared tables, the program played
#      by real X input, the installer and the uninstaller;
#   3. the web build's tests (scripts/web_test.sh): the rules-and-store suite
#      built with emscripten for the browser's 32-bit target, run under Node;
#      the page built and played in headless Chromium by real mouse input;
#   4. the shared half built for Windows with mingw-w64, its rules-and-store and
#      scene suites run under Wine (scripts/cross_check.sh);
#   5. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   6. a bounded run of each fuzzer (statistics file, picture store, background
#      pictures, cursors, wave check, and the Windows loaders' checks: a bitmap
#      of the picture store, the JPEG size scan, the glyph outline buffer).
# TARVIK_QUICK=1 runs steps 1 to 3 only.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/run_ctest.sh build "$@"
./scripts/windows_test.sh
./scripts/web_test.sh
steps=3
if [ "${TARVIK_QUICK:-0}" != 1 ]; then
    ./scripts/cross_check.sh > build-cross.log 2>&1 || { tail -60 build-cross.log; exit 1; }
    grep -E "^cross check:" build-cross.log
    ./scripts/sanitize.sh "$@"
    # The picture fuzzers decode a few hundred inputs a second, the others thousands.
    ./scripts/fuzz.sh 20000 stats wave cursor store:2000 background:4000 bitmap:5000 jpeg:5000 outline:5000 \
        > build-fuzz.log 2>&1 ||
        { tail -40 build-fuzz.log; exit 1; }
    grep -E "^(=== |Done [0-9]+ runs)" build-fuzz.log
    [ "$(grep -cE "^Done [0-9]+ runs" build-fuzz.log)" -eq 8 ] || { echo "a fuzzer did not finish"; exit 1; }
    steps=6
fi
# Every step above stops the script on its first failure.
echo "steps: $steps passed, 0 failed"
