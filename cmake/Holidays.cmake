# The ready-made holiday lists: tools/holidays/make_holidays.js writes one
# list file per country and per region, with an index of them, into
# holidays/ of the build folder, from the date-holidays package that
# tools/setup.sh installs beside it (npm ci). The Windows builds ship the
# folder beside the program; the portable tests read every file.
set(TV_HOLIDAY_FIRST_YEAR 2020)
set(TV_HOLIDAY_LAST_YEAR 2040)
set(TV_HOLIDAYS_DIR ${CMAKE_BINARY_DIR}/holidays)

set(_tool ${CMAKE_SOURCE_DIR}/tools/holidays)
set(_package ${_tool}/node_modules/date-holidays/package.json)
find_program(TV_NODE NAMES node nodejs)
if(NOT TV_NODE OR NOT EXISTS ${_package})
  message(FATAL_ERROR "The holiday lists need Node.js and the date-holidays package: run tools/setup.sh")
endif()

add_custom_command(OUTPUT ${TV_HOLIDAYS_DIR}/index.txt
  COMMAND ${TV_NODE} ${_tool}/make_holidays.js ${TV_HOLIDAYS_DIR}
          ${TV_HOLIDAY_FIRST_YEAR} ${TV_HOLIDAY_LAST_YEAR}
  DEPENDS ${_tool}/make_holidays.js ${_tool}/package-lock.json ${_package}
  COMMENT "Writing the ready-made holiday lists")
add_custom_target(tv_holidays DEPENDS ${TV_HOLIDAYS_DIR}/index.txt)

# The tests take the folder as a path of their own platform.
if(WIN32)
  add_dependencies(Tempovista tv_holidays)
  set(_tests core_tests)
  set(_dir "Z:${TV_HOLIDAYS_DIR}")
else()
  set(_tests tv_tests)
  set(_dir "${TV_HOLIDAYS_DIR}")
endif()
add_dependencies(${_tests} tv_holidays)
target_compile_definitions(${_tests} PRIVATE
  TV_HOLIDAYS_DIR="${_dir}"
  TV_HOLIDAY_FIRST_YEAR=${TV_HOLIDAY_FIRST_YEAR}
  TV_HOLIDAY_LAST_YEAR=${TV_HOLIDAY_LAST_YEAR})
