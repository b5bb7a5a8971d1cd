#!/usr/bin/env bash
# Splits the start of the real window into its phases: runs tesmark on a
# private Xvfb server (xcb platform) with TESMARK_START_TRACE=quit, so that it
# prints the process's CPU time and the wall-clock time at each phase of the
# start and closes once the first paint and the first turn of the event loop
# are done; then prints the median of each phase over the runs, at client
# widths 880 and 2000. The CPU time at "main" is the loading of the libraries;
# each later figure is cumulative. It measures and does not test, so CI does
# not run it. (scripts/measure-window.sh times the start from the outside, up
# to the first frame the server shows.)
#
#   scripts/measure-start.sh [runs]        (default 9)
#
# TESMARK_BUILD_DIR picks the build folder (build); TESMARK=/path/to/tesmark
# measures another build of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TESMARK_BUILD_DIR:-build}
runs=${1:-9}
if [ -z "${TESMARK:-}" ]; then
    cmake --build "$build" -j2 --target tesmark >&2
fi
program=${TESMARK:-$build/tesmark}

# shellcheck source=scripts/private-xvfb.sh
. scripts/private-xvfb.sh

start_private_xvfb 2200x900x24
echo "# $(uptime)"

for width in 880 2000; do
    : >"$work/trace"
    for _ in $(seq "$runs"); do
        home="$work/home"
        rm -rf "$home"
        mkdir -p "$home/config/Corvane" "$home/cache" "$home/run"
        chmod 700 "$home/run"
        printf '[TesmarkX]\nCxSize=%d\nScaleRev=257\n' $((width - 625)) \
            >"$home/config/Corvane/Tesmark.conf"
        HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
            XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=xcb TESMARK_START_TRACE=quit \
            "$program" 2>&1 >/dev/null | grep '^start-trace' >>"$work/trace" || true
    done
    echo "client width $width: medians of $runs runs (ms, cumulative; cpu from exec, wall from main)"
    awk '
        { phase = $2; if (!(phase in seen)) { order[++n] = phase; seen[phase] = 1 }
          cpu[phase, ++count[phase]] = $4; wall[phase, count[phase]] = $7 }
        function median(arr, phase, k,    i, j, t, v) {
            for (i = 1; i <= k; ++i) v[i] = arr[phase, i]
            for (i = 1; i <= k; ++i) for (j = i + 1; j <= k; ++j)
                if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
            return k % 2 ? v[(k + 1) / 2] : (v[k / 2] + v[k / 2 + 1]) / 2
        }
        END {
            printf "  %-14s %9s %9s %9s\n", "phase", "cpu", "wall", "cpu step"
            last = 0
            for (i = 1; i <= n; ++i) {
                p = order[i]; c = median(cpu, p, count[p]); w = median(wall, p, count[p])
                printf "  %-14s %9.1f %9.1f %9.1f\n", p, c, w, c - last
                last = c
            }
        }' "$work/trace"
done
