#!/usr/bin/env bash
# Renews docs/help-en.png and docs/help-ja.png: the help window as F1 opens
# it, at the book's table of contents, in each language. The program runs on
# a private X server with a throwaway profile that holds only the language.
# Needs Xvfb, xdotool and ImageMagick's import (apt-get install xvfb xdotool
# imagemagick); the program must be built in build/ (or give its path as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/tesmark}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "make-help-screenshots: $tool is missing" >&2; exit 1; }
done

home=$(mktemp -d)
mkdir -p "$home/config/Corvane" "$home/tmp"
# Xvfb writes its display number once it is ready.
Xvfb -displayfd 4 -screen 0 1400x900x24 -nolisten tcp 4>"$home/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do
    [ -s "$home/display" ] && break
    sleep 0.1
done
display=$(head -n 1 "$home/display")
[ -n "$display" ] || { echo "make-help-screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export TMPDIR=$home/tmp
unset QT_QPA_PLATFORM
tesmark=""
cleanup() {
    [ -n "$tesmark" ] && { kill "$tesmark" 2>/dev/null || true; wait "$tesmark" 2>/dev/null || true; }
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$home"
}
trap cleanup EXIT

# Waits for a visible window of the running program titled exactly $1, or
# with any title when $1 is empty (the main window's title follows the
# language).
find_window() {
    for _ in $(seq 1 50); do
        for id in $(xdotool search --onlyvisible --pid "$tesmark" --name "" 2>/dev/null || true); do
            local name
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            if [ -n "$name" ] && { [ -z "$1" ] || [ "$name" = "$1" ]; }; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
}

shoot() {
    local language=$1 title=$2 out=$3
    printf '[TesmarkX]\nLanguage=%s\n' "$language" >"$home/config/Corvane/Tesmark.conf"
    "$program" >/dev/null 2>&1 &
    tesmark=$!
    local main
    main=$(find_window "")
    [ -n "$main" ] || { echo "make-help-screenshots: the main window did not appear" >&2; exit 1; }
    xdotool windowfocus --sync "$main"
    xdotool key F1
    local help
    help=$(find_window "$title")
    [ -n "$help" ] || { echo "make-help-screenshots: the help window did not appear" >&2; exit 1; }
    sleep 1  # the first paint of the page and its picture
    import -window "$help" "$out"
    echo "wrote $out"
    kill "$tesmark"
    wait "$tesmark" 2>/dev/null || true
    tesmark=""
}

shoot 0 "Tesmark - Help" docs/help-en.png
shoot 1 "Tesmark - ヘルプ" docs/help-ja.png
