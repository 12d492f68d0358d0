# Timing harnesses that run under Wine: never run by ctest, and built only
# when asked for (`cmake --build <folder> --target benchmarks`). Run one by
# hand, e.g. (from the build folder)
#   WINEPREFIX=$PWD/wineprefix wine ./LoadBench_win.exe
#   WINEPREFIX=$PWD/wineprefix wine ./HolidaysPageBench_win.exe
#   WINEPREFIX=$PWD/wineprefix wine ./StopwatchStoreBench_win.exe [folder]
#   WINEPREFIX=$PWD/wineprefix wine ./WebLoadBench_win.exe
add_executable(LoadBench_win EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/LoadBench_win.cpp ${TV_RESOURCE_RC})
add_dependencies(LoadBench_win tv_resources)
target_link_libraries(LoadBench_win PRIVATE tv_win)

add_executable(CountdownBench_win EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/CountdownBench_win.cpp ${TV_RESOURCE_RC})
add_dependencies(CountdownBench_win tv_resources)
target_link_libraries(CountdownBench_win PRIVATE tv_win)

add_executable(HolidaysPageBench_win EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/HolidaysPageBench_win.cpp ${TV_RESOURCE_RC})
add_dependencies(HolidaysPageBench_win tv_resources)
target_link_libraries(HolidaysPageBench_win PRIVATE tv_win)

add_executable(StopwatchStoreBench_win EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/StopwatchStoreBench_win.cpp ${TV_RESOURCE_RC})
add_dependencies(StopwatchStoreBench_win tv_resources)
target_link_libraries(StopwatchStoreBench_win PRIVATE tv_win)
# The window's answers while a 20 MB web list downloads.
add_executable(WebLoadBench_win EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/WebLoadBench_win.cpp ${TV_RESOURCE_RC})
add_dependencies(WebLoadBench_win tv_resources)
target_link_libraries(WebLoadBench_win PRIVATE tv_win ws2_32)
add_custom_target(benchmarks DEPENDS LoadBench_win CountdownBench_win HolidaysPageBench_win
  StopwatchStoreBench_win WebLoadBench_win)
