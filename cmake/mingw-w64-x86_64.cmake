# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the posix-threads
# variant: std::thread and friends need it) and runs the built .exe files under
# wine, so ctest checks the core against the real Windows API on a Linux box.
#
#   cmake -S . -B build-windows -G Ninja -DMARULO_CORE_ONLY=ON \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#
# Only the core builds this way: there is no Qt for Windows on the build machine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MARULO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MARULO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MARULO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MARULO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MARULO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The 64-bit loader itself: the "wine" wrapper also wants the 32-bit half,
# which a 64-bit-only install lacks, and says so on every start.
find_program(MARULO_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(MARULO_WINE64 NAMES wine64)
if(MARULO_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MARULO_WINE64})
endif()
