#!/usr/bin/env bash
# Proof that the shared half is portable: it builds for Windows with mingw-w64
# (tests/cross), and its rules-and-store suite and its scene suite (drawn on a
# WGL context) pass under Wine.
#   scripts/cross_check.sh [BUILD_DIR]        (default build-cross)
# First a grep: no file of the shared half includes a Qt, X11 or POSIX header.
# Each Wine run is judged by the suite's own summary, never by Wine's exit code.
# The scene suite needs a display: without DISPLAY it gets an Xvfb of its own.
# Without the cross compiler the step says so and fails; without Wine it
# stops after the build.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build-cross}
CXX=x86_64-w64-mingw32-g++-posix
CC=x86_64-w64-mingw32-gcc-posix

SHARED=(src/ui src/game src/store src/scores src/scene src/gfx src/platform/common src/platform/headless
        src/platform/platform.h src/platform/files/files_win32.cpp src/platform/files/list_files.cpp)
[ -d src/app ] && SHARED+=(src/app)
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]*|qt[a-z]*/|X11/|unistd\.h|fcntl\.h|sys/|malloc\.h|dirent\.h|pthread\.h|dlfcn\.h|signal\.h)' \
        "${SHARED[@]}"; then
    echo "cross check: the shared half includes a header of one system only (above)"
    exit 1
fi

command -v "$CXX" > /dev/null || { echo "cross check: $CXX is missing (scripts/setup.sh installs it)"; exit 1; }
LAUNCHER=()
command -v ccache > /dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S tests/cross -B "$BUILD_DIR" -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER="$CXX" \
    -DCMAKE_C_COMPILER="$CC" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" > "$BUILD_DIR.configure.log" 2>&1 ||
    { cat "$BUILD_DIR.configure.log"; exit 1; }
cmake --build "$BUILD_DIR" -j2 --target game_tests scene_tests

if ! command -v wine > /dev/null; then
    echo "cross check: built $BUILD_DIR/game_tests.exe and scene_tests.exe; no wine here to run them"
    exit 0
fi
PREFIX=$(mktemp -d)
RUN=$(mktemp -d)
cleanup() {
    WINEPREFIX=$PREFIX wineserver -k 2> /dev/null || true
    rm -rf "$PREFIX" "$RUN"
}
trap cleanup EXIT
# Wine's own temporary folders, and the sound client's when there is no
# runtime folder, go into this run's folder and leave with it.
export TMPDIR="$RUN/tmp" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$RUN/runtime}"
mkdir -p "$TMPDIR" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export WINEPREFIX=$PREFIX WINEDEBUG=-all,err+module WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i > /dev/null 2>&1 < /dev/null || true
# Each suite runs in a folder of its own; its output is what counts.
mkdir "$RUN/game" "$RUN/scene"
cp "$BUILD_DIR/game_tests.exe" "$RUN/game/"
cp "$BUILD_DIR/scene_tests.exe" "$RUN/scene/"
(cd "$RUN/game" && wine game_tests.exe --gtest_color=no > out.log 2>&1 < /dev/null) || true
wineserver -w 2> /dev/null || true
# Wine's helpers started without a display end here, so the scene suite's
# start them anew on its display; they end again before that display goes.
wineserver -k 2> /dev/null || true
SCENE_RUN=(sh -c 'wine scene_tests.exe --gtest_color=no > out.log 2>&1 < /dev/null; wineserver -k 2> /dev/null; true')
if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run > /dev/null || { echo "cross check: no display and no xvfb-run for the scene suite"; exit 1; }
    (cd "$RUN/scene" && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24" "${SCENE_RUN[@]}") || true
else
    (cd "$RUN/scene" && "${SCENE_RUN[@]}") || true
fi

failed=0
for suite in game scene; do
    log="$RUN/$suite/out.log"
    echo "$suite suite under Wine:"
    grep -E '^\[  (FAILED|PASSED)|^\[==========\] [0-9]+ tests? from' "$log" || true
    if grep -qE '^\[  FAILED  \]' "$log" || ! grep -qE '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$log"; then
        echo "cross check: the $suite suite under Wine did not pass; its output:"
        tail -60 "$log"
        failed=1
    fi
done
[ "$failed" = 0 ] || exit 1
echo "cross check: the shared half builds for Windows and its rules-and-store and scene suites pass under Wine"
