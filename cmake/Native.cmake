# Native build: the portable code and its tests, under AddressSanitizer and
# UndefinedBehaviorSanitizer; benchmarks and the fuzz target build without.
find_package(GTest REQUIRED)
include(GoogleTest)

set(TV_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# *_native.cpp files stand in for the Win32 halves here.
tv_unity_sources(_tv_core_sources tv_core 10 ${TV_CORE_SOURCES})
add_library(tv_core STATIC ${_tv_core_sources})
target_include_directories(tv_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
tv_unity_target(tv_core)
target_compile_options(tv_core PRIVATE ${TV_SANITIZE})

tv_unity_sources(_tv_tests_sources tv_tests 6 ${TV_PORTABLE_TESTS})
add_executable(tv_tests ${_tv_tests_sources})
target_include_directories(tv_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
tv_unity_target(tv_tests)
target_compile_options(tv_tests PRIVATE ${TV_SANITIZE})
target_link_options(tv_tests PRIVATE ${TV_SANITIZE})
target_link_libraries(tv_tests PRIVATE tv_core GTest::gtest_main)
# The business-day count is compared with numpy's busday_count: the test runs
# tests/lists/busday_cases.py itself (Debian's python3-numpy, not linked) and
# skips when numpy is missing. Paths reach the tests in the environment, so
# that the objects do not depend on where the tree lies (compiler cache).
set(TV_PYTHON3 /usr/bin/python3 CACHE FILEPATH "Python 3 with numpy, for the business-day comparison")
# Each case runs through env with them (GoogleTest's discovery takes the
# target's emulator for every case; its PROPERTIES keep one ENVIRONMENT value).
find_program(TV_ENV env REQUIRED)
set_property(TARGET tv_tests PROPERTY CROSSCOMPILING_EMULATOR ${TV_ENV}
  "TV_BUSDAY_CASES=${TV_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/lists/busday_cases.py"
  "TV_STOPWATCH_CSV=${TV_PYTHON3} ${CMAKE_SOURCE_DIR}/tests/base/stopwatch_csv.py"
  TV_ICS_DIR=${TV_ICS_DIR} TV_HOLIDAYS_DIR=${TV_HOLIDAYS_DIR})
gtest_discover_tests(tv_tests DISCOVERY_TIMEOUT 60)

# Benchmarks and fuzzing: optional extras, see bench/ and fuzz/.
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench EXCLUDE_FROM_ALL)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt)
  add_subdirectory(fuzz)
endif()
