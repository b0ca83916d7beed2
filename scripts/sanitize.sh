#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there. Any report fails the run.
# Leak checking is off: Mesa and fontconfig keep memory until exit on purpose.
# strict_string_checks stays off: libxkbcommon hands strndup unterminated buffers.
set -euo pipefail
cd "$(dirname "$0")/.."
TARVIK_BUILD_DIR=build-asan TARVIK_BUILD_TYPE=Debug TARVIK_CMAKE_ARGS="-DTARVIK_SANITIZE=ON" ./scripts/setup.sh
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
./scripts/run_ctest.sh build-asan "$@"
