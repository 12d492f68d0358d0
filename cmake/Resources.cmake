# The resource script and the pictures it includes. Icons and the bitmap are
# drawn by tools/make_icons.py into the build folder, so they change from
# source.
set(TV_RESOURCE_RC ${CMAKE_SOURCE_DIR}/res/Tempovista.rc)
set(TV_ICON_STAMP ${CMAKE_BINARY_DIR}/res/pictures.stamp)
add_custom_command(OUTPUT ${TV_ICON_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/make_icons.py ${CMAKE_BINARY_DIR}/res
  COMMAND ${CMAKE_COMMAND} -E touch ${TV_ICON_STAMP}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icons.py
  COMMENT "Drawing icons and bitmap")
add_custom_target(tv_resources DEPENDS ${TV_ICON_STAMP})

# The manifest names the build's own processor architecture and the project's
# version.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TV_MANIFEST_ARCH amd64)
else()
  set(TV_MANIFEST_ARCH x86)
endif()
set(TV_ACTIVE_CODE_PAGE UTF-8)
configure_file(${CMAKE_SOURCE_DIR}/res/Tempovista.manifest.in
               ${CMAKE_BINARY_DIR}/res/Tempovista.manifest @ONLY)
# Older systems ignore activeCodePage: a test program asks for the system's
# code page ("Legacy") to run as the program runs there.
set(TV_ACTIVE_CODE_PAGE Legacy)
configure_file(${CMAKE_SOURCE_DIR}/res/Tempovista.manifest.in
               ${CMAKE_BINARY_DIR}/res/legacy/Tempovista.manifest @ONLY)

# windres does not report what the script includes: name it here, so that a
# changed page template, manifest, version or picture rebuilds the resources.
file(GLOB TV_RESOURCE_PARTS CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/dialogs/*.rc
  ${CMAKE_SOURCE_DIR}/res/*.manifest.in)
set_source_files_properties(${TV_RESOURCE_RC} PROPERTIES
  OBJECT_DEPENDS "${TV_RESOURCE_PARTS};${CMAKE_BINARY_DIR}/res/Tempovista.manifest;${CMAKE_BINARY_DIR}/res/version.h;${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/src/controls/MakerSite.h;${TV_ICON_STAMP}")
