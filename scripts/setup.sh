#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# With --windows, also the MinGW-w64 cross compiler and Wine for scripts/windows-test.sh (large,
# so only when asked).
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev qt6-translations-l10n
    nlohmann-json3-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    poppler-utils
    libarchive-dev
    clang libfuzzer-14-dev
    dpkg-dev desktop-file-utils librsvg2-bin
)
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-x86-64-posix wine wine64)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando pacotes: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi
