#!/usr/bin/env bash
# Installs what Tesmark needs to build, run and test on Debian 12, as root or
# through sudo. Packages already present are left as they are. The fuzz
# targets need clang and its runtime libraries (libFuzzer and the sanitizers
# are in libclang-rt-14-dev, which clang only recommends).
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-ipafont-gothic
    xvfb xauth
    libx11-dev libxdamage-dev libxtst-dev libxfixes-dev
    clang-format
    clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file
    g++-mingw-w64-x86-64-posix googletest wine64
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
