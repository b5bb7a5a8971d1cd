#!/usr/bin/env bash
# Keeps the core portable to Windows: cross-compiles the core libraries
# (tables, model, render, ops) and their tests for 64-bit Windows with
# MinGW-w64, without Qt, and runs every test program under Wine. A POSIX-only
# call fails the build; a `long` that must hold more than 32 bits fails a test.
# Extra arguments go to the CMake configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TESMARK_WINDOWS_BUILD_DIR:-build-windows}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

echo "-- cross-compiling the core for Windows in $build"
# -O2 as the native release build, without debug information: statically
# linked test programs with it take far longer to link.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DTESMARK_CORE_ONLY=ON -DTESMARK_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j2

mapfile -t programs < <(find "$build/tests" -maxdepth 1 -name 'tests_*.exe' | sort)
if [ ${#programs[@]} -eq 0 ]; then
    echo "no test program was built in $build/tests" >&2
    exit 1
fi

# A throwaway Wine prefix, and one wineserver kept running for all programs
# (the packaged wrapper would otherwise start a new one for each).
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
logs=$(mktemp -d)
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" "$logs"
}
trap cleanup EXIT
"$wineserver" -p
"$wine" wineboot.exe --init >/dev/null 2>&1 || true

passed=0
failed=0
failed_programs=()
for program in "${programs[@]}"; do
    name=$(basename "$program" .exe)
    log="$logs/$name.log"
    status=0
    "$wine" "$program" --gtest_brief=1 >"$log" 2>&1 || status=$?
    ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log")
    bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\{0,1\}, listed below:.*/\1/p' "$log")
    passed=$((passed + ${ok:-0}))
    if [ "$status" -ne 0 ] || [ -z "$ok" ]; then
        failed=$((failed + ${bad:-1}))
        failed_programs+=("$name")
        echo "FAILED under Wine: $name (exit $status)"
        cat "$log"
    else
        printf '   %-45s %4d passed\n' "$name" "$ok"
    fi
done

echo "windows core: $passed passed, $failed failed"
[ ${#failed_programs[@]} -eq 0 ]
