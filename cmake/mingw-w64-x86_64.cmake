# Cross-build for 64-bit Windows with Debian's MinGW-w64. The -posix compilers carry the
# winpthreads threading model, which gives full std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALVOREN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALVOREN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALVOREN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TALVOREN_MINGW_PREFIX}-windres)
# Resource scripts are UTF-8, so their Chinese texts reach the resource as written.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

set(CMAKE_FIND_ROOT_PATH /usr/${TALVOREN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# CTest runs the Windows executables under Wine, in a private prefix inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
