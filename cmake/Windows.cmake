# Windows build: everything, statically linked; every test .exe runs under
# Wine as one ctest test, in a Wine prefix of this build's own.
enable_language(RC)
# The script also takes the maker's host from src/controls/MakerSite.h.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_BINARY_DIR}/res -I${CMAKE_SOURCE_DIR}/src")
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0700 NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++)
# Release builds are stripped: the symbols are two fifths of the program.
add_link_options($<$<CONFIG:Release>:-s>)

set(TV_WIN_LIBS comctl32 wininet oleaut32 ole32 uuid shell32 comdlg32 version
    advapi32 user32 gdi32 kernel32)

# One library holds everything but main.cpp: the portable code, its Win32
# halves (*_win.cpp) and the window code. Files named *_native.cpp stand in
# for a Win32 half in the native build only.
list(FILTER TV_CORE_SOURCES EXCLUDE REGEX "_native\\.cpp$")
file(GLOB TV_WIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/base/*_win.cpp
  ${CMAKE_SOURCE_DIR}/src/lists/*_win.cpp
  ${CMAKE_SOURCE_DIR}/src/framework/*.cpp
  ${CMAKE_SOURCE_DIR}/src/controls/*.cpp
  ${CMAKE_SOURCE_DIR}/src/dialogs/*.cpp
  ${CMAKE_SOURCE_DIR}/src/pages/*.cpp
  ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
list(FILTER TV_WIN_SOURCES EXCLUDE REGEX "/src/app/main\\.cpp$")
add_library(tv_win STATIC ${TV_CORE_SOURCES} ${TV_WIN_SOURCES})
target_include_directories(tv_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(tv_win PUBLIC ${TV_WIN_LIBS})

include(cmake/Resources.cmake)

add_executable(Tempovista WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${TV_RESOURCE_RC})
target_link_libraries(Tempovista PRIVATE tv_win)
add_dependencies(Tempovista tv_resources)

# The program's test build: the same program, whose tray calls an
# end-to-end test can log and make fail through the environment. The
# shipped program has no such switch.
add_executable(Tempovista_test WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/ShellSeamAtStart.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/ShellSeamFromEnv_win.cpp ${TV_RESOURCE_RC})
target_include_directories(Tempovista_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(Tempovista_test PRIVATE tv_win)
add_dependencies(Tempovista_test tv_resources)

# GoogleTest from Debian's sources, built with the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not ours to hold to -Werror.
foreach(t gtest gtest_main)
  target_compile_options(${t} PRIVATE -Wno-error)
endforeach()

# One Wine prefix for the whole build, made once before the first Wine test.
set(TV_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# The build's Wine loader (the toolchain file's emulator).
set(TV_WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
set(TV_WINE_ENV
  WINEPREFIX=${TV_WINEPREFIX}
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml="
  http_proxy= https_proxy= ftp_proxy= HTTP_PROXY= HTTPS_PROXY= FTP_PROXY=
  TV_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  TV_WINE=${TV_WINE}
  TV_BINARY_DIR=${CMAKE_BINARY_DIR})
add_test(NAME wineprefix_setup
  COMMAND ${CMAKE_SOURCE_DIR}/tools/wineprefix.sh start ${TV_WINEPREFIX} ${TV_WINE})
add_test(NAME wineprefix_stop
  COMMAND ${CMAKE_SOURCE_DIR}/tools/wineprefix.sh stop ${TV_WINEPREFIX} ${TV_WINE})
set_tests_properties(wineprefix_setup PROPERTIES FIXTURES_SETUP wineprefix)
set_tests_properties(wineprefix_stop PROPERTIES FIXTURES_CLEANUP wineprefix)

# tv_wine_test(name sources... [LOCK resource]): one test .exe, one ctest test.
function(tv_wine_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LOCKS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${TV_RESOURCE_RC})
  add_dependencies(${name} tv_resources)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE tv_win gtest_main gtest)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${TV_WINE_ENV}"
    FIXTURES_REQUIRED wineprefix
    TIMEOUT 1800)
  if(T_LOCKS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
  endif()
endfunction()

# The portable tests, again, under Wine.
tv_wine_test(core_tests SOURCES ${TV_PORTABLE_TESTS})
target_compile_definitions(core_tests PRIVATE TV_ICS_DIR="${TV_ICS_DIR}")

# Win32 tests: tests/<area>/*_win_test.cpp make one <area>_win_tests.exe.
# End-to-end tests start Tempovista.exe and its test build, which use the
# real settings key and the single-instance mutex: they never run at the
# same time. A second start looks for any dialog titled "Tempovista", which
# is also what the app and page tests show in their own process: those wait
# for each other too.
foreach(area base lists framework controls pages app e2e)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${area}/*_win_test.cpp)
  if(_srcs)
    file(GLOB _support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*_win.cpp)
    if(area STREQUAL "e2e")
      tv_wine_test(${area}_win_tests SOURCES ${_srcs} ${_support} LOCKS tempovista_app)
      add_dependencies(${area}_win_tests Tempovista Tempovista_test)
      # Several program starts in a row, and twenty at once: slow where the
      # i686 build runs under emulation (see tools/setup.sh).
      set_tests_properties(${area}_win_tests PROPERTIES TIMEOUT 2400)
    elseif(area STREQUAL "app" OR area STREQUAL "pages")
      tv_wine_test(${area}_win_tests SOURCES ${_srcs} ${_support} LOCKS tempovista_app)
    else()
      tv_wine_test(${area}_win_tests SOURCES ${_srcs} ${_support})
    endif()
  endif()
endforeach()

# The link tests' stand-in for a browser, started through a ".htm" open
# command of their own.
add_executable(command_logger ${CMAKE_SOURCE_DIR}/tests/controls/CommandLogger.cpp)
add_dependencies(controls_win_tests command_logger)
# A file whose version resource lists two translations, for the version
# lookup's tests: resources only, no code.
add_library(two_translations SHARED ${CMAKE_SOURCE_DIR}/tests/pages/TwoTranslations.rc)
set_target_properties(two_translations PROPERTIES PREFIX "" LINKER_LANGUAGE C)
target_link_options(two_translations PRIVATE -nostdlib -Wl,-e,0)
add_dependencies(pages_win_tests two_translations)
# The Holidays page's ready-made lists, beside the test program as beside the
# installed one.
add_dependencies(pages_win_tests tv_holidays)

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/Windows.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/Windows.cmake)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/ListTests.cmake)

include(${CMAKE_SOURCE_DIR}/cmake/Release.cmake)
