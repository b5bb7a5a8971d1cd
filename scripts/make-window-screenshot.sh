#!/usr/bin/env bash
# Renews docs/window.png: the whole window as a user sees it (menu bar,
# toolbars, the rule, the bars and the status bar) on a private X server,
# started with a throwaway profile so that it shows the home state.
# Needs Xvfb, xdotool and ImageMagick's import (apt-get install xvfb xdotool
# imagemagick); the program must be built in build/ (or give its path as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/tesmark}
out=${2:-docs/window.png}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "make-window-screenshot: $tool is missing" >&2; exit 1; }
done

home=$(mktemp -d)
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x480x24 -nolisten tcp 2>/dev/null)
read -r display <&3
export DISPLAY=:$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
unset QT_QPA_PLATFORM
"$program" >/dev/null 2>&1 &
tesmark=$!
cleanup() {
    kill "$tesmark" 2>/dev/null || true
    wait "$tesmark" 2>/dev/null || true
    pkill -f "Xvfb -displayfd 1 -screen 0 1280x480x24" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT

window=""
for _ in $(seq 1 50); do
    window=$(xdotool search --onlyvisible --pid "$tesmark" --name Tesmark 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "make-window-screenshot: the window did not appear" >&2; exit 1; }
sleep 1  # the first paint and the toolbars' images
import -window "$window" "$out"
echo "wrote $out"
