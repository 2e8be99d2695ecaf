# Cross toolchain shared by the two editions: Windows with mingw-w64's POSIX-thread compilers for
# VELMORA_ARCH; the programs built are run by Wine's loader for that architecture.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VELMORA_ARCH})
set(CMAKE_C_COMPILER ${VELMORA_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE_LOADER})
