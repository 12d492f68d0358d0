# The ready-made holiday lists: tools/holidays/make_holidays.js writes one
# list file per country and per region, with an index of them, from the
# date-holidays package; tools/holidays/holidays.sh writes them once per
# machine and copies them into holidays/ of the build folder (TV_HOLIDAYS_DIR,
# set in CMakeLists.txt). The Windows builds ship the folder beside the
# program; the portable tests read every file.
set(_tool ${CMAKE_SOURCE_DIR}/tools/holidays)
find_program(TV_NODE NAMES node nodejs)
if(NOT TV_NODE)
  message(FATAL_ERROR "The holiday lists need Node.js: run tools/setup.sh")
endif()

add_custom_command(OUTPUT ${TV_HOLIDAYS_DIR}/index.txt
  COMMAND ${_tool}/holidays.sh ${TV_HOLIDAYS_DIR} ${TV_HOLIDAY_FIRST_YEAR} ${TV_HOLIDAY_LAST_YEAR}
  DEPENDS ${_tool}/holidays.sh ${_tool}/make_holidays.js ${_tool}/package-lock.json
  COMMENT "Ready-made holiday lists"
  VERBATIM)
add_custom_target(tv_holidays DEPENDS ${TV_HOLIDAYS_DIR}/index.txt)

# The tests take the folder from the environment (TV_HOLIDAYS_DIR).
if(WIN32)
  add_dependencies(Tempovista tv_holidays)
  add_dependencies(core_tests tv_holidays)
  target_compile_definitions(core_tests PRIVATE
    TV_HOLIDAY_FIRST_YEAR=${TV_HOLIDAY_FIRST_YEAR} TV_HOLIDAY_LAST_YEAR=${TV_HOLIDAY_LAST_YEAR})
else()
  add_dependencies(tv_tests tv_holidays)
  target_compile_definitions(tv_tests PRIVATE
    TV_HOLIDAY_FIRST_YEAR=${TV_HOLIDAY_FIRST_YEAR} TV_HOLIDAY_LAST_YEAR=${TV_HOLIDAY_LAST_YEAR})
endif()
