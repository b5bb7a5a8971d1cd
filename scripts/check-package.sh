#!/usr/bin/env bash
# Checks the installable program: validates the desktop entry and the
# AppStream metainfo, builds the Debian package from a release build, unpacks
# it into a throwaway root (no container, nothing installed on the system) and
# runs the installed tesmark-cli from there. Qt and the C++ runtime come from
# the system, as they do for an installed package.
#
# TESMARK_BUILD_DIR names a build folder to package (CI passes its release
# build, so nothing is compiled twice); without it, build-package is
# configured and built here.
set -euo pipefail
cd "$(dirname "$0")/.."
app_id=io.github.corvane.Tesmark
build=${TESMARK_BUILD_DIR:-build-package}

echo "-- desktop entry and metainfo"
desktop-file-validate "resources/$app_id.desktop"
appstreamcli validate --no-net "resources/$app_id.metainfo.xml"
# The committed icons are the ones the image script draws.
python3 scripts/make_images.py --check

echo "-- Debian package from $build"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESMARK_BUILD_TESTS=OFF \
        -DTESMARK_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j2 --target tesmark tesmark-cli
rm -f "$build"/tesmark_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || {
    cat "$build/cpack.log" >&2
    exit 1
}
debs=("$build"/tesmark_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || {
    echo "cpack made no package" >&2
    exit 1
}
echo "   $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
depends=$(dpkg-deb -f "$deb" Depends)
echo "   Depends: $depends"
echo "   Recommends: $(dpkg-deb -f "$deb" Recommends)"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
    grep -q "\b$needed\b" <<<"$depends" || {
        echo "the package does not depend on $needed" >&2
        exit 1
    }
done
# Every dependency can be had on this system (apt resolves, installs nothing).
if command -v apt-get >/dev/null; then
    apt-get install --simulate --no-install-recommends "./$deb" >/dev/null
fi

echo "-- installed files"
root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
dpkg-deb -x "$deb" "$root"
expected=(
    usr/bin/tesmark
    usr/bin/tesmark-cli
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || {
        echo "missing from the package: /$file" >&2
        exit 1
    }
done
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
for program in tesmark tesmark-cli; do
    if ldd "$root/usr/bin/$program" | grep -q "not found"; then
        ldd "$root/usr/bin/$program" >&2
        exit 1
    fi
done
echo "   ${#expected[@]} files in their places"

echo "-- smoke test: the installed tesmark-cli readings"
# A fresh home, so neither the user's profile nor a leftover one is read.
readings=$(HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/tesmark-cli" readings)
echo "$readings" | head -4
rows=$(grep -cE '^ *[0-9]+ ' <<<"$readings" || true)
if [ "$rows" -ne 22 ]; then
    echo "expected 22 reading slots, found $rows" >&2
    exit 1
fi
echo "package: the installed tesmark-cli printed $rows reading slots"
