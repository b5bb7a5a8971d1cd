#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each for a bounded time from its committed seed corpus; fails on the first
# crash, leak or sanitizer report. New inputs go to build-fuzz/corpus/, the
# committed corpus is only read. A crash leaves its input in
# build-fuzz/artifacts/ (make it a regression test in tests/).
#   TESMARK_FUZZ_SECONDS  time per target (default 20)
#   extra arguments       passed to every fuzzer (e.g. -jobs=2)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TESMARK_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${TESMARK_FUZZ_SECONDS:-20}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

CC=clang CXX=clang++ cmake -S . -B "$build" -DTESMARK_FUZZ=ON -DTESMARK_BUILD_TESTS=OFF \
    -DTESMARK_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$build" -j2 --target tesmark_fuzz

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build/artifacts"
summary=()
for fuzzer in "$build"/fuzzers/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    seeds=fuzz/corpus/$name
    work=$build/corpus/$name
    mkdir -p "$work" "$seeds"
    log=$build/$name.log
    echo "== $name (${seconds}s)"
    if ! "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$@" "$work" "$seeds" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "run-fuzz: $name failed; the input is in $build/artifacts/" >&2
        exit 1
    fi
    # The last status line: executions, coverage (cov:) and speed (exec/s:).
    line=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    summary+=("$name: ${line}")
done
printf '%s\n' "${summary[@]}"
