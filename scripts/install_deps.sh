#!/usr/bin/env bash
# Installs the Debian packages the console needs to build, test and run; quick when all are there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev
    libcli11-dev nlohmann-json3-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix googletest wine wine64 zip
    librsvg2-bin imagemagick xvfb xauth
    clang-format
    clang libclang-rt-14-dev
    debhelper fakeroot lintian desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
