# Cross build for 64-bit Windows: the same program, and our tests' build.
set(TV_MINGW_ARCH x86_64)
# 64-bit Wine directly: /usr/bin/wine would start its 32-bit loader first.
set(TV_MINGW_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
