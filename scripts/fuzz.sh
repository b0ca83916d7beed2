#!/usr/bin/env bash
# Fuzzes the program's file readers with libFuzzer (clang from Debian, with
# AddressSanitizer and UndefinedBehaviorSanitizer):
#   stats       the statistics file loader (stats.hsf)
#   store       the picture store's check, then every picture read out of an
#               accepted store as the graphics start reads it (resources.rcc)
#   background  the background picture loader (Backgrounds/*.jpg)
#   cursor      the cursor file decoding (harrow.cur, hnwse.cur)
#   wave        the sound file's check (tick.wav)
#   bitmap      the Windows picture store's check of a bitmap, then its texels
#               read as the graphics start reads them (resources.dll)
#   jpeg        the Windows background loader's JPEG size scan
#   outline     the Windows glyph service's walk of GDI's outline buffer
#
#   scripts/fuzz.sh [RUNS | --time SECONDS] [TARGET[:RUNS] ...]
# RUNS executions of each target (default 200000), or SECONDS of each; every
# target when none is named; TARGET:RUNS gives one target its own count.
# Targets are built two at a time and run one after another, in
# ${TARVIK_FUZZ_OUT:-build-fuzz} (a second folder lets two runs go side by side).
# Seeds: tests/fuzz/corpus for the statistics file; the others are written by
# tests/fuzz/make_seeds.cpp (the tick and cursors by the build's own writers,
# a few small JPEGs, a tiny store packed by rcc in each of its forms, a few
# bitmaps and glyph outline buffers).
# Each target's run ends with libFuzzer's "Done N runs" line and the line
# coverage of the program's own code it reached.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${TARVIK_FUZZ_OUT:-build-fuzz}
mkdir -p "$OUT"

LIMIT=(-runs=200000)
if [ "${1:-}" = "--time" ]; then
    LIMIT=(-max_total_time="${2:-600}")
    shift 2 || shift $#
elif [ -n "${1:-}" ] && [ "${1:-}" -eq "${1:-}" ] 2>/dev/null; then
    LIMIT=(-runs="$1")
    shift
fi
NAMED=("$@")
if [ ${#NAMED[@]} -eq 0 ]; then
    NAMED=(stats store background cursor wave bitmap jpeg outline)
fi
TARGETS=()
declare -A OWN_LIMIT=()
for named in "${NAMED[@]}"; do
    TARGETS+=("${named%%:*}")
    [ "$named" = "${named#*:}" ] || OWN_LIMIT[${named%%:*}]=-runs=${named#*:}
done

RCC=/usr/lib/qt6/libexec/rcc
QT_CFLAGS=$(pkg-config --cflags Qt6Gui)
QT_LIBS=$(pkg-config --libs Qt6Gui)
FUZZ_FLAGS=(-std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
            -fprofile-instr-generate -fcoverage-mapping -Isrc -Itests/fuzz)

# Sources of each target (the fuzzer first), and the program's own files its
# coverage is reported on.
sources() {
    case "$1" in
        stats) echo tests/fuzz/stats_load_fuzz.cpp src/game/*.cpp src/store/*.cpp src/scores/*.cpp src/platform/headless/*.cpp \
                    src/platform/common/*.cpp src/platform/files/files_posix.cpp ;;
        store) echo tests/fuzz/store_fuzz.cpp src/qt/platform/pictures_qt.cpp src/gfx/texture_pixels.cpp ;;
        background) echo tests/fuzz/background_fuzz.cpp src/qt/platform/pictures_qt.cpp src/gfx/texture_pixels.cpp ;;
        cursor) echo tests/fuzz/cursor_fuzz.cpp src/qt/platform/cursors_qt.cpp ;;
        wave) echo tests/fuzz/wave_fuzz.cpp src/platform/common/wave_check.cpp ;;
        bitmap) echo tests/fuzz/store_bitmap_fuzz.cpp src/platform/common/store_bitmap.cpp ;;
        jpeg) echo tests/fuzz/jpeg_size_fuzz.cpp src/platform/common/jpeg_size.cpp ;;
        outline) echo tests/fuzz/native_outline_fuzz.cpp src/platform/common/native_outline.cpp \
                      src/platform/common/glyph_contours.cpp ;;
        *) echo "unknown fuzz target: $1" >&2; return 1 ;;
    esac
}
covered() {
    case "$1" in
        stats) echo src/store/stats_store.cpp src/platform/files/files_posix.cpp src/scores/high_score.cpp ;;
        store) echo src/qt/platform/pictures_qt.cpp src/gfx/texture_pixels.cpp ;;
        background) echo src/qt/platform/pictures_qt.cpp ;;
        cursor) echo src/qt/platform/cursors_qt.cpp ;;
        wave) echo src/platform/common/wave_check.cpp ;;
        bitmap) echo src/platform/common/store_bitmap.cpp ;;
        jpeg) echo src/platform/common/jpeg_size.cpp ;;
        outline) echo src/platform/common/native_outline.cpp ;;
    esac
}
max_len() {
    case "$1" in
        stats | wave | jpeg | outline) echo 4096 ;;
        *) echo 16384 ;;
    esac
}

build() {
    local target=$1 qt=()
    case "$target" in
        stats | wave | bitmap | jpeg | outline) ;;
        *) qt=($QT_CFLAGS $QT_LIBS) ;;
    esac
    # shellcheck disable=SC2046
    clang++ "${FUZZ_FLAGS[@]}" $(sources "$target") "${qt[@]}" -o "$OUT/${target}_fuzz"
}

# Build two at a time, with the seed writer alongside.
for target in "${TARGETS[@]}"; do sources "$target" > /dev/null; done
pids=()
clang++ -std=c++20 -O1 -fPIC -Itools/artgen tests/fuzz/make_seeds.cpp tools/artgen/file_writers.cpp \
    $QT_CFLAGS $QT_LIBS -o "$OUT/make_seeds" &
pids+=($!)
for target in "${TARGETS[@]}"; do
    build "$target" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}"
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do wait "$pid"; done

# Qt and libpng warn of every damaged input (libpng's own lines are dropped
# below); the fuzzers look for faults, not warnings.
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.debug=false;*.warning=false"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$WORK/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
SEEDS=$WORK/seeds
"$OUT/make_seeds" "$SEEDS"
# The tiny store in every form rcc writes: zstd, zlib and no packing, and the
# three format versions; a fixed date keeps the bytes the same every time.
mkdir -p "$SEEDS/store-packed"
for form in "default:" "zlib:--compress-algo zlib --threshold 0" "plain:--no-compress" \
            "version-1:--format-version 1 --compress-algo zlib" "version-2:--format-version 2 --no-compress"; do
    # shellcheck disable=SC2086
    QT_RCC_SOURCE_DATE_OVERRIDE=1 "$RCC" --binary ${form#*:} -o "$SEEDS/store-packed/${form%%:*}.rcc" \
        "$SEEDS/store/pictures.qrc"
done
# A regression seed: a version 3 header naming a packing Qt does not know
# once passed the check, though Qt refuses it.
cp "$SEEDS/store-packed/default.rcc" "$SEEDS/store-packed/unknown-packing.rcc"
printf '\x08' | dd of="$SEEDS/store-packed/unknown-packing.rcc" bs=1 seek=23 conv=notrunc status=none

# A failing input is kept here, to be added to tests/fuzz/regressions/TARGET once fixed.
FINDINGS=$PWD/$OUT/findings
mkdir -p "$FINDINGS"

seeds_of() {
    case "$1" in
        stats) echo "$PWD/tests/fuzz/corpus" ;;
        store) echo "$SEEDS/store-packed" ;;
        jpeg) echo "$SEEDS/background" ;;
        *) echo "$SEEDS/$1" ;;
    esac
}

for target in "${TARGETS[@]}"; do
    echo "=== $target"
    mkdir -p "$WORK/$target"
    # Regression inputs of earlier findings are seeds too.
    extra=()
    [ -d "tests/fuzz/regressions/$target" ] && extra=("$PWD/tests/fuzz/regressions/$target")
    seeds=$(seeds_of "$target")
    (cd "$WORK" && LLVM_PROFILE_FILE="$WORK/$target.profraw" "$OLDPWD/$OUT/${target}_fuzz" \
        "${OWN_LIMIT[$target]:-${LIMIT[@]}}" -max_len="$(max_len "$target")" -timeout=60 \
        -print_final_stats=1 -artifact_prefix="$FINDINGS/" "$WORK/$target" "$seeds" "${extra[@]}" 2>&1) |
        sed -u '/^libpng /d'
    if command -v llvm-profdata-14 > /dev/null && [ -f "$WORK/$target.profraw" ]; then
        llvm-profdata-14 merge -sparse "$WORK/$target.profraw" -o "$WORK/$target.profdata"
        # shellcheck disable=SC2046
        llvm-cov-14 report "$OUT/${target}_fuzz" -instr-profile="$WORK/$target.profdata" $(covered "$target") | tail -1
    fi
done
