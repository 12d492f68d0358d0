# Cross build for 32-bit Windows: the program we ship.
set(TV_MINGW_ARCH i686)
set(TV_MINGW_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
