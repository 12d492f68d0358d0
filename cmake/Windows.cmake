# Windows build: everything, statically linked; every test .exe runs under
# Wine as one ctest test, in a Wine prefix of this build's own.
enable_language(RC)
# The script also takes the maker's host from src/controls/MakerSite.h.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/res -I${CMAKE_BINARY_DIR}/res -I${CMAKE_SOURCE_DIR}/src")
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0700 NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++)
# Release builds are stripped: the symbols are two fifths of the program.
add_link_options($<$<CONFIG:Release>:-s>)

set(TV_WIN_LIBS comctl32 wininet oleacc oleaut32 ole32 uuid shell32 comdlg32 version
    advapi32 user32 gdi32 kernel32)

# One library holds everything but main.cpp: the portable code, its Win32
# halves (*_win.cpp) and the window code. Files named *_native.cpp stand in
# for a Win32 half in the native build only.
list(FILTER TV_CORE_SOURCES EXCLUDE REGEX "_native\\.cpp$")
file(GLOB TV_WIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/framework/*.cpp
  ${CMAKE_SOURCE_DIR}/src/controls/*.cpp
  ${CMAKE_SOURCE_DIR}/src/dialogs/*.cpp
  ${CMAKE_SOURCE_DIR}/src/pages/*.cpp
  ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
list(FILTER TV_WIN_SOURCES EXCLUDE REGEX "/src/app/main\\.cpp$")
tv_unity_sources(_tv_win_sources tv_win 10 ${TV_CORE_SOURCES} ${TV_CORE_WIN_SOURCES} ${TV_WIN_SOURCES})
add_library(tv_win STATIC ${_tv_win_sources})
target_include_directories(tv_win PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res)
tv_unity_target(tv_win)
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

# The Windows tests run in lanes (tools/wine-lanes.sh): a Wine prefix, Wine
# server, display and list servers each, so that as many tests run side by
# side as there are lanes, and none sees another's registry, mutexes or
# windows. A lane runs one test at a time.
cmake_host_system_information(RESULT _cores QUERY NUMBER_OF_LOGICAL_CORES)
set(TV_WINE_LANES ${_cores} CACHE STRING "How many Windows tests run side by side")
set(TV_LANES_DIR ${CMAKE_BINARY_DIR}/lanes)
# The build's Wine loader (the toolchain file's emulator).
set(TV_WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
set(TV_LANES ${CMAKE_SOURCE_DIR}/tools/wine-lanes.sh)
set(TV_IN_LANE ${TV_LANES} run ${TV_LANES_DIR} ${TV_WINE} ${TV_WINE_LANES})
set(TV_WINE_ENV
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml="
  http_proxy= https_proxy= ftp_proxy= HTTP_PROXY= HTTPS_PROXY= FTP_PROXY=
  TV_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  TV_WINE=${TV_WINE}
  TV_BINARY_DIR=${CMAKE_BINARY_DIR}
  TV_ICS_DIR=${TV_ICS_DIR}
  TV_HOLIDAYS_DIR=${TV_HOLIDAYS_DIR})
add_test(NAME wine_lanes_start COMMAND ${TV_LANES} start ${TV_LANES_DIR} ${TV_WINE} ${TV_WINE_LANES})
add_test(NAME wine_lanes_stop COMMAND ${TV_LANES} stop ${TV_LANES_DIR} ${TV_WINE} ${TV_WINE_LANES})
set_tests_properties(wine_lanes_start PROPERTIES FIXTURES_SETUP wine_lanes TIMEOUT 1800)
set_tests_properties(wine_lanes_stop PROPERTIES FIXTURES_CLEANUP wine_lanes)

# tv_wine_test(name SOURCES... [SHARDS n] [DRIVER program]): one test .exe,
# run in a lane as one ctest test, or as n tests that each run a share of its
# cases (GoogleTest's sharding), so that no test holds a lane for long. With
# DRIVER, the tests run that x64 build of the same test program instead.
function(tv_wine_test name)
  cmake_parse_arguments(T "" "SHARDS;DRIVER" "SOURCES" ${ARGN})
  tv_unity_sources(_sources ${name} 5 ${T_SOURCES})
  add_executable(${name} ${_sources} ${TV_RESOURCE_RC})
  add_dependencies(${name} tv_resources)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  tv_unity_target(${name})
  target_link_libraries(${name} PRIVATE tv_test_support tv_win gtest_main gtest)
  if(NOT T_SHARDS)
    set(T_SHARDS 1)
  endif()
  math(EXPR _last "${T_SHARDS} - 1")
  foreach(_i RANGE ${_last})
    set(_test ${name})
    # Its report names the cases it skipped, for the run's summary.
    set(_env ${TV_WINE_ENV} GTEST_OUTPUT=xml:Z:${CMAKE_BINARY_DIR}/test-reports/${name}.xml)
    if(T_SHARDS GREATER 1)
      set(_test ${name}_${_i})
      set(_env ${TV_WINE_ENV} GTEST_OUTPUT=xml:Z:${CMAKE_BINARY_DIR}/test-reports/${_test}.xml
               GTEST_TOTAL_SHARDS=${T_SHARDS} GTEST_SHARD_INDEX=${_i})
    endif()
    if(T_DRIVER)
      add_test(NAME ${_test} COMMAND ${TV_IN_LANE} /usr/lib/wine/wine64 ${T_DRIVER})
    else()
      add_test(NAME ${_test} COMMAND ${TV_IN_LANE} ${TV_WINE} $<TARGET_FILE:${name}>)
    endif()
    set_tests_properties(${_test} PROPERTIES
      ENVIRONMENT "${_env}"
      FIXTURES_REQUIRED wine_lanes
      TIMEOUT 2400)
  endforeach()
endfunction()

# What the Windows tests share (tests/support), built once for all of them;
# objects rather than an archive, so that each program takes the ones that
# only register something at start-up too.
file(GLOB _support CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*_win.cpp)
add_library(tv_test_support OBJECT ${_support})
target_include_directories(tv_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(tv_test_support PUBLIC tv_win)

# The portable tests, again, under Wine.
tv_wine_test(core_tests SOURCES ${TV_PORTABLE_TESTS})

# Win32 tests: tests/<area>/*_win_test.cpp make one <area>_win_tests.exe,
# the longer ones run in shards. End-to-end tests start Tempovista.exe and
# its test build several times in a row, and twenty at once: slow where the
# i686 build runs under emulation (see tools/setup.sh). There the x64
# build's end-to-end test program (TV_E2E_DRIVER) can drive this build's
# programs, so that only the programs under test are emulated: the driver's
# polling under emulation cost as much as the programs themselves.
set(TV_E2E_DRIVER "" CACHE FILEPATH "An x64 build's e2e_win_tests.exe to drive this build's programs")
set(_driver_e2e ${TV_E2E_DRIVER})
set(_shards_pages 4)
set(_shards_app 2)
set(_shards_e2e 3)
foreach(area base lists ical framework controls pages app e2e)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${area}/*_win_test.cpp)
  if(_srcs)
    tv_wine_test(${area}_win_tests SOURCES ${_srcs} SHARDS "${_shards_${area}}"
                 DRIVER "${_driver_${area}}")
  endif()
endforeach()
add_dependencies(e2e_win_tests Tempovista Tempovista_test)
# The web lists' test trusts the test servers' throwaway certificate authority.
target_link_libraries(e2e_win_tests PRIVATE crypt32)
# The end-to-end shards are the longest tests (much the longest where the
# programs are emulated): started first, so that none is left to run alone
# at the end.
math(EXPR _last "${_shards_e2e} - 1")
foreach(_i RANGE ${_last})
  set_tests_properties(e2e_win_tests_${_i} PROPERTIES COST 1000)
endforeach()
# The base tests cross the nights the clocks change: a zone that has them,
# for this program alone.
set_property(TEST base_win_tests APPEND PROPERTY ENVIRONMENT TZ=Europe/Berlin)

# The link tests' stand-in for a browser, started through a ".htm" open
# command of their own.
add_executable(command_logger ${CMAKE_SOURCE_DIR}/tests/controls/CommandLogger.cpp)
add_dependencies(controls_win_tests command_logger)
add_dependencies(pages_win_tests command_logger)
# A file whose version resource lists two translations, for the version
# lookup's tests: resources only, no code.
add_library(two_translations SHARED ${CMAKE_SOURCE_DIR}/tests/framework/TwoTranslations.rc)
set_target_properties(two_translations PROPERTIES PREFIX "" LINKER_LANGUAGE C)
target_link_options(two_translations PRIVATE -nostdlib -Wl,-e,0)
add_dependencies(framework_win_tests two_translations)
# The Holidays page's ready-made lists, beside the test program as beside the
# installed one.
add_dependencies(pages_win_tests tv_holidays)

# The program as older systems run it, without UTF-8 for its code page: Wine
# takes the code page from LANG, a Western and a Japanese one
# (tools/setup.sh makes the locales).
add_executable(legacy_code_page_tests ${CMAKE_SOURCE_DIR}/tests/legacy/CodePage_win_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/legacy/LegacyManifest.rc)
target_include_directories(legacy_code_page_tests BEFORE PRIVATE ${CMAKE_BINARY_DIR}/res/legacy)
target_link_libraries(legacy_code_page_tests PRIVATE tv_win gtest_main gtest)
foreach(_run en_US.UTF-8=1252 ja_JP.UTF-8=932)
  string(REPLACE "=" ";" _run ${_run})
  list(GET _run 0 _locale)
  list(GET _run 1 _cp)
  add_test(NAME legacy_code_page_${_cp} COMMAND ${TV_IN_LANE} ${TV_WINE} $<TARGET_FILE:legacy_code_page_tests>)
  set_tests_properties(legacy_code_page_${_cp} PROPERTIES
    ENVIRONMENT "${TV_WINE_ENV};LANG=${_locale};LC_ALL=${_locale};TV_EXPECT_ACP=${_cp}"
    FIXTURES_REQUIRED wine_lanes TIMEOUT 600)
endforeach()

# The locale texts again under locales whose day names and time markers are
# not ASCII (Wine takes the user's locale from LANG).
foreach(_locale ru_RU el_GR)
  add_test(NAME locale_text_${_locale} COMMAND ${TV_IN_LANE} ${TV_WINE} $<TARGET_FILE:framework_win_tests>)
  set_tests_properties(locale_text_${_locale} PROPERTIES
    ENVIRONMENT "${TV_WINE_ENV};LANG=${_locale}.UTF-8;LC_ALL=${_locale}.UTF-8;GTEST_FILTER=LocaleText.*"
    FIXTURES_REQUIRED wine_lanes TIMEOUT 600)
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/Windows.cmake)
  include(${CMAKE_SOURCE_DIR}/bench/Windows.cmake)
endif()

include(${CMAKE_SOURCE_DIR}/cmake/ListTests.cmake)

include(${CMAKE_SOURCE_DIR}/cmake/Release.cmake)
