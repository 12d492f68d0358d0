# The list tests' web and FTP servers run in each lane (tools/wine-lanes.sh).
# The full-disk tests are disabled in the ordinary run and run here alone,
# with a folder on a small file system of their own.
if(TARGET lists_win_tests)
  add_test(NAME lists_full_disk
    COMMAND ${TV_IN_LANE} ${CMAKE_SOURCE_DIR}/tools/full-disk-tests.sh 6291456
            $<TARGET_FILE:lists_win_tests> --gtest_also_run_disabled_tests
            --gtest_filter=*FullDisk*)
  set_tests_properties(lists_full_disk PROPERTIES
    ENVIRONMENT "${TV_WINE_ENV}"
    FIXTURES_REQUIRED wine_lanes
    TIMEOUT 900)
endif()
