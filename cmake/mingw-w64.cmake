# Cross build for 64-bit Windows with the MinGW-w64 compiler (POSIX thread model); `make test-windows`
# uses it for the Qt-free part and its tests:
#   cmake -S . -B out/mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTAMVELOX_GUI=OFF -DTAMVELOX_TESTS=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TAMVELOX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAMVELOX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAMVELOX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TAMVELOX_MINGW_PREFIX}-windres)

# Libraries and headers come from the target's tree only; build tools from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TAMVELOX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the compiler's runtime libraries are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
