#!/usr/bin/env bash
# Fuzzes the statistics file loader with libFuzzer (clang from Debian).
#   scripts/fuzz.sh [RUNS | --time SECONDS]
# Default: a bounded number of executions, as CI runs it. The seed corpus is
# tests/fuzz/corpus (files written by the game's own save, short, long, no NULs).
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=build-fuzz
mkdir -p "$OUT"
SOURCES=(tests/fuzz/stats_load_fuzz.cpp src/game/*.cpp src/scores/*.cpp
         src/platform/headless/*.cpp src/platform/common/*.cpp tests/support/name_entry_answer.cpp)
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -fprofile-instr-generate -fcoverage-mapping -Isrc "${SOURCES[@]}" -o "$OUT/stats_load_fuzz"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
ARGS=(-max_len=4096 -print_final_stats=1)
if [ "${1:-}" = "--time" ]; then
    ARGS+=(-max_total_time="${2:-600}")
else
    ARGS+=(-runs="${1:-200000}")
fi
(cd "$WORK" && LLVM_PROFILE_FILE="$WORK/fuzz.profraw" "$OLDPWD/$OUT/stats_load_fuzz" "${ARGS[@]}" "$WORK" "$OLDPWD/tests/fuzz/corpus")
if command -v llvm-profdata-14 >/dev/null && [ -f "$WORK/fuzz.profraw" ]; then
    llvm-profdata-14 merge -sparse "$WORK/fuzz.profraw" -o "$WORK/fuzz.profdata"
    llvm-cov-14 report "$OUT/stats_load_fuzz" -instr-profile="$WORK/fuzz.profdata" src/scores/stats_store.cpp src/scores/high_score.cpp | tail -4
fi
