#!/usr/bin/env bash
# The web build's tests:
#   1. the rules and the store built with emscripten for the browser's 32-bit
#      target (tests/web, in build-webtest/): the rules-and-store suite and a
#      short soak run under Node, each judged by its own summary line;
#   2. the page (scripts/web.sh makes build-web/site/) served on 127.0.0.1 and
#      played in headless Chromium by real mouse input (tests/web/page_test.mjs):
#      no console error; the main menu against the Linux build's
#      (tarvik-screenshots at 640 x 480, made here); Klondike, the stock,
#      Redeal, the statistics dialog; "Download stats.hsf" after a reload; a
#      second tab.
# Installs emscripten, Chromium and (npm ci) playwright-core when they are
# missing. Prints the time each step took.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
command -v em++ > /dev/null || missing+=(emscripten)
[ -x /usr/bin/chromium ] || missing+=(chromium)
command -v npm > /dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# playwright-core as the lock file pins it; it downloads no browser.
if [ ! node_modules/.package-lock.json -nt package-lock.json ]; then
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
fi
# Debian's emscripten finds its JavaScript tools (acorn, for -O2 and above) here.
export NODE_PATH=/usr/share/nodejs
root=$PWD
runtime="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$runtime"

STEP_PREFIX="web test"
. scripts/test_steps.sh

# A suite passes when its summary says so for at least one test and names no failure.
summary_passed() {
    local log=$1
    grep -E '^\[  (FAILED|PASSED)|^\[==========\] [0-9]+ tests? from' "$log" || true
    if grep -qE '^\[  FAILED  \]' "$log" || ! grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$log"; then
        tail -40 "$log"
        return 1
    fi
}

rules_under_node() {
    local dir=build-webtest launcher=()
    command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    emcmake cmake -S tests/web -B "$dir" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" > "$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j2 --target game_tests game_soak > "$dir.build.log" 2>&1 || { tail -40 "$dir.build.log"; return 1; }
    (cd "$dir" && node game_tests.js --gtest_color=no > game_tests.log 2>&1 < /dev/null) || true
    (cd "$dir" && node game_soak.js --actions=300000 --gtest_color=no > game_soak.log 2>&1 < /dev/null) || true
    summary_passed "$dir/game_tests.log" && summary_passed "$dir/game_soak.log"
}

page_in_chromium() {
    mkdir -p build-webtest
    local shots=build-webtest/linux-screenshots
    [ -d build ] || ./scripts/setup.sh
    cmake --build build -j2 --target tarvik-screenshots > build-webtest/screenshots-build.log 2>&1 ||
        { tail -20 build-webtest/screenshots-build.log; return 1; }
    rm -rf "$shots"
    local xvfb=()
    [ -n "${DISPLAY:-}" ] || xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")
    (cd build/game && XDG_RUNTIME_DIR=$runtime LIBGL_ALWAYS_SOFTWARE=1 \
        "${xvfb[@]}" ../tests/scene/tarvik-screenshots "$root/$shots" > /dev/null 2>&1) ||
        { echo "tarvik-screenshots failed"; return 1; }
    ./scripts/web.sh > build-web.log 2>&1 || { tail -40 build-web.log; return 1; }
    node tests/web/page_test.mjs build-web/site "$shots/main_menu.png"
}

step "rules and store under Node (32-bit)" rules_under_node
step "the page in Chromium" page_in_chromium

echo "web test: $passed passed, $failed failed"
[ "$failed" = 0 ]
