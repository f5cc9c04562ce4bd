# Cross-compiling for 64-bit Windows with the MinGW-w64 toolchain.
# cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(lotto_mingw_prefix x86_64-w64-mingw32)
# The POSIX thread model of the compilers gives std::thread; its runtime (winpthreads) is linked
# statically with the rest, so the programs import only system DLLs.
set(CMAKE_C_COMPILER ${lotto_mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${lotto_mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${lotto_mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${lotto_mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
