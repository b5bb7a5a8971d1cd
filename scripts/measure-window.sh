#!/usr/bin/env bash
# Measures the real window on a private Xvfb server with the xcb platform:
# the time from exec to the first painted rule, and the CPU and the damage
# of one cursor step and one slide step, at client widths 880 and 2000.
# After each run of the program it steps a bare Qt window (bare_window) that
# answers the same keys by filling the same rectangles: the "floor" rows are
# what Qt, the X connection and the server cost for a key and its repaint
# with next to nothing painted, and the program's CPU above that floor is
# printed from runs that followed each other. It measures and does not test,
# so CI does not run it.
#
#   scripts/measure-window.sh [window_probe options]   e.g. --json, --keys 500
#
# CPU times move with the load of a shared machine; two other forms give
# figures that do not:
#   scripts/measure-window.sh --callgrind DIR --keys 40
#       runs the program under valgrind's callgrind and prints the
#       instructions of the start and of one cursor and one slide step (keys
#       sent one by one); DIR keeps one file per phase for
#       `callgrind_annotate --inclusive=yes DIR/w880-cursor` (the bare
#       window's in DIR/floor-w880-cursor).
#   scripts/measure-window.sh --perf DIR --step-runs 1
#       also samples the first run's steps with `perf record` (kernel
#       included, DWARF stacks) into DIR/w880-cursor.perf for `perf report`.
# The "waits" column counts how often the program's threads gave up the
# processor per step (for the display server or for each other).
# scripts/measure-start.sh splits the start into its phases.
#
# TESMARK_BUILD_DIR picks the build folder (build); TESMARK=/path/to/tesmark
# measures another build of the program (for before/after comparisons).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TESMARK_BUILD_DIR:-build}

# The probe lives with the benchmarks; configuring again picks it up in a
# build folder made without them.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMARK_BUILD_BENCH=ON >&2
else
    cmake -S . -B "$build" -DTESMARK_BUILD_BENCH=ON >&2
fi
targets=(window_probe bare_window)
[ -z "${TESMARK:-}" ] && targets+=(tesmark)
cmake --build "$build" -j2 --target "${targets[@]}" >&2
probe="$build/bench/window_probe/window_probe"
program=${TESMARK:-$build/tesmark}

# shellcheck source=scripts/private-xvfb.sh
. scripts/private-xvfb.sh

# A free display chosen by the server itself; wide enough for 2000 px.
start_private_xvfb 2200x900x24

echo "# $(uptime)" >&2
"$probe" --tesmark "$program" --floor "$build/bench/window_probe/bare_window" \
    --server-pid "$xvfb_pid" "$@"
