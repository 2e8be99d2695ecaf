# The program for 32-bit Windows (it runs on 64-bit Windows too): the product.
set(VELMORA_ARCH i686)
set(VELMORA_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
