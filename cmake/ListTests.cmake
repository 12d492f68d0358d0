# What the list tests need around them: web and FTP servers on 127.0.0.1
# (started before, stopped after, and stopping by themselves anyway), and a
# second run of the write tests with a folder on a full disk.
set(TV_LIST_SERVERS ${CMAKE_BINARY_DIR}/list-servers)
add_test(NAME list_servers_start
  COMMAND ${CMAKE_SOURCE_DIR}/tools/test-servers.sh start ${TV_LIST_SERVERS})
add_test(NAME list_servers_stop
  COMMAND ${CMAKE_SOURCE_DIR}/tools/test-servers.sh stop ${TV_LIST_SERVERS})
set_tests_properties(list_servers_start PROPERTIES FIXTURES_SETUP list_servers)
set_tests_properties(list_servers_stop PROPERTIES FIXTURES_CLEANUP list_servers)

if(TARGET lists_win_tests)
  set_property(TEST lists_win_tests APPEND PROPERTY FIXTURES_REQUIRED list_servers)
  # The full-disk tests are disabled in the ordinary run and run here alone.
  add_test(NAME lists_full_disk
    COMMAND ${CMAKE_SOURCE_DIR}/tools/full-disk-tests.sh 6291456
            $<TARGET_FILE:lists_win_tests> --gtest_also_run_disabled_tests
            --gtest_filter=*FullDisk*)
  set_tests_properties(lists_full_disk PROPERTIES
    ENVIRONMENT "${TV_WINE_ENV}"
    FIXTURES_REQUIRED wineprefix
    RESOURCE_LOCK list_tests
    TIMEOUT 900)
  # Both use the same settings key.
  set_property(TEST lists_win_tests APPEND PROPERTY RESOURCE_LOCK list_tests)
endif()

# The pages load holiday calendars from the web server too.
if(TARGET pages_win_tests)
  set_property(TEST pages_win_tests APPEND PROPERTY FIXTURES_REQUIRED list_servers)
endif()
