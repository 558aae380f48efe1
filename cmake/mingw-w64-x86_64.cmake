# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads flavour):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DTAVOLIM_CORE_ONLY=ON
# scripts/windows-test.sh does this, with GoogleTest cross-built first, and runs the tests
# under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAVOLIM_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAVOLIM_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVOLIM_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAVOLIM_MINGW}-windres)

# Libraries and headers come only from the MinGW tree and the prefixes given (GoogleTest
# cross-built by the script); the build machine's own are for Linux.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TAVOLIM_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The executables carry the C++ runtime and winpthreads, so they run without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
