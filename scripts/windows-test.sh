#!/usr/bin/env bash
# Cross-builds the Qt-free core, tavolim-tool and their tests for 64-bit Windows with Debian's
# MinGW-w64 and runs the tests under Wine. Needs `scripts/setup.sh --windows`; without the
# cross compiler or Wine it says so and stops without failing.
# Builds in build-windows/ (GoogleTest from /usr/src/googletest first, once).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

cxx=x86_64-w64-mingw32-g++-posix
wine_cmd=$(command -v wine64 || command -v wine || true)
for need in "$cxx" x86_64-w64-mingw32-gcc-posix; do
    if ! command -v "$need" > /dev/null; then
        echo "windows-test: pulado: falta o compilador $need (scripts/setup.sh --windows)"
        exit 0
    fi
done
if [ -z "$wine_cmd" ]; then
    echo "windows-test: pulado: falta o Wine (scripts/setup.sh --windows)"
    exit 0
fi
if [ ! -f /usr/src/googletest/CMakeLists.txt ]; then
    echo "windows-test: pulado: falta o código do GoogleTest em /usr/src/googletest (googletest)"
    exit 0
fi

out=$top/build-windows
prefix=$out/prefix
toolchain=$top/cmake/mingw-w64-x86_64.cmake
mkdir -p "$out"

export WINEPREFIX=$out/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine_cmd" wineboot --init > "$out/wineboot.log" 2>&1 || true
fi

# nlohmann-json is headers only: the same headers serve the cross build, from a prefix of
# their own so that the build machine's /usr/include stays out of it.
if [ ! -f "$prefix/share/cmake/nlohmann_json/nlohmann_jsonConfig.cmake" ]; then
    mkdir -p "$prefix/include" "$prefix/share/cmake"
    cp -r /usr/include/nlohmann "$prefix/include/"
    cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
fi

if [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" > "$out/googletest.log"
    cmake --build "$out/googletest" --parallel "$(nproc)" >> "$out/googletest.log"
    cmake --install "$out/googletest" >> "$out/googletest.log"
fi

if [ ! -f "$out/core/CMakeCache.txt" ]; then
    cmake -S . -B "$out/core" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DTAVOLIM_CORE_ONLY=ON -DTAVOLIM_BENCH=OFF \
        -DTAVOLIM_WERROR=ON -DTAVOLIM_LIBARCHIVE=OFF \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$wine_cmd" \
        -DGTest_DIR="$prefix/lib/cmake/GTest" \
        -Dnlohmann_json_DIR="$prefix/share/cmake/nlohmann_json"
fi
cmake --build "$out/core" --parallel "$(nproc)"

# Each test binary runs whole in one Wine process (ctest would start Wine once a test).
status=0
passed=0 failed=0 skipped=0
for exe in tavolim_core_tests tavolim_cli_tests; do
    log=$out/$exe.log
    echo "windows-test: $exe.exe sob o Wine"
    set +e
    (cd "$out/core/tests" && "$wine_cmd" "./$exe.exe" --gtest_brief=1 > "$log" 2>&1)
    rc=$?
    set -e
    grep -E '^\[  (FAILED  |SKIPPED )\]|^\[==========\]|Skipped$' -A1 "$log" | grep -v '^--$' | tail -n 40
    ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p' "$log" | tail -n1)
    p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -n1)
    s=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log" | tail -n1)
    # Failed is what ran and neither passed nor was skipped (the brief output lists no count).
    passed=$((passed + ${p:-0}))
    skipped=$((skipped + ${s:-0}))
    failed=$((failed + ${ran:-0} - ${p:-0} - ${s:-0}))
    if [ "$rc" -ne 0 ] || [ -z "$ran" ]; then
        status=1
    fi
done
echo "windows-test: $passed passed, $failed failed, $skipped skipped"
exit "$status"
