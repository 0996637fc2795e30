# Cross build for 64-bit Windows with Debian's MinGW-w64 (package
# g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
# The posix-threads variant of the compiler, for the standard library's
# threads and mutexes; Wine (package wine) runs the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CHENGXI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CHENGXI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CHENGXI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CHENGXI_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CHENGXI_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
