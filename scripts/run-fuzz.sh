#!/usr/bin/env bash
# Builds the libFuzzer targets with ASan and UBSan in their own build directory and runs each
# for FUZZ_SECONDS (default 30), from the seeds in fuzz/corpus/<target> with the dictionary in
# fuzz/dict/<target>.dict where there is one. Fails on the first crash, leak, timeout or
# sanitizer report; the input that caused it is left in $FUZZ_BUILD_DIR/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
JOBS=${JOBS:-$(nproc)}
TARGETS=${FUZZ_TARGETS:-"qif csv backup manifest jwt loopback serverrequests syncpage"}

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$FUZZ_BUILD_DIR" -DPENNIBAR_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g" "${launcher[@]}" >/dev/null
build_targets=()
for target in $TARGETS; do build_targets+=(--target "fuzz_$target"); done
cmake --build "$FUZZ_BUILD_DIR" -j "$JOBS" "${build_targets[@]}"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$FUZZ_BUILD_DIR/artifacts"
summary=()
for target in $TARGETS; do
    work="$FUZZ_BUILD_DIR/corpus/$target"
    mkdir -p "$work"
    options=(-max_total_time="$FUZZ_SECONDS" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1
             -artifact_prefix="$FUZZ_BUILD_DIR/artifacts/$target-")
    if [[ -f "fuzz/dict/$target.dict" ]]; then
        options+=(-dict="fuzz/dict/$target.dict")
    fi
    log="$FUZZ_BUILD_DIR/fuzz_$target.log"
    echo "fuzz_$target: ${FUZZ_SECONDS}s"
    if ! "$FUZZ_BUILD_DIR/fuzz/fuzz_$target" "${options[@]}" "$work" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target FAILED (log: $log)"
        exit 1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    summary+=("fuzz_$target: ${runs:-?} executions in ${FUZZ_SECONDS}s")
done
printf '%s\n' "${summary[@]}"
