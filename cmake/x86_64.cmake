# The 64-bit edition, for 64-bit Windows and for machines whose kernel runs no 32-bit code.
set(VELMORA_ARCH x86_64)
set(VELMORA_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
