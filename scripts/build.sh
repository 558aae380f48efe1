#!/usr/bin/env bash
# Configures (once) and builds the tree in build/ incrementally. Extra arguments go to the build.
# TAVOLIM_WERROR=ON (set by ./test) turns warnings into errors.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if [ -n "${TAVOLIM_WERROR:-}" ]; then
    cmake -S . -B build -DTAVOLIM_WERROR="${TAVOLIM_WERROR}" > /dev/null
fi
cmake --build build --parallel "$(nproc)" "$@"
