#!/usr/bin/env bash
# The web build's tests:
#   1. the rules and the store built with emscripten for the browser's 32-bit
#      target (tests/web, in build-webtest/): the rules-and-store suite and a
#      short soak run under Node, each judged by its own summary line.
# Installs emscripten when it is missing. Prints the time each step took.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v em++ > /dev/null; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends emscripten
fi
# Debian's emscripten finds its JavaScript tools (acorn, for -O2 and above) here.
export NODE_PATH=/usr/share/nodejs

passed=0
failed=0
step() {
    local name=$1 started=$SECONDS
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "web test: $name: passed in $((SECONDS - started)) s"
    else
        failed=$((failed + 1))
        echo "web test: $name: FAILED after $((SECONDS - started)) s"
    fi
}

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

step "rules and store under Node (32-bit)" rules_under_node

echo "web test: $passed passed, $failed failed"
[ "$failed" = 0 ]
