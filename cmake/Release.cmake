# release_files: the program in a zip of its own and, in the i686 build
# (the product), the installer too, in the build's release/ folder
# (cmake/Package.cmake; tools/release.sh collects them). The version is the
# project's.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(TV_PACKAGE_ARCH x64)
  set(TV_PACKAGE_NSIS)
else()
  set(TV_PACKAGE_ARCH x86)
  find_program(TV_MAKENSIS makensis REQUIRED)
  set(TV_PACKAGE_NSIS -DNSI=${CMAKE_SOURCE_DIR}/res/Tempovista.nsi
      -DMAKENSIS=${TV_MAKENSIS} -DICON=${CMAKE_BINARY_DIR}/res/tempovista.ico)
endif()
add_custom_target(release_files
  COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:Tempovista> -DOUT=${CMAKE_BINARY_DIR}/release
          -DVERSION=${PROJECT_VERSION} -DARCH=${TV_PACKAGE_ARCH} ${TV_PACKAGE_NSIS}
          -P ${CMAKE_SOURCE_DIR}/cmake/Package.cmake
  DEPENDS Tempovista ${CMAKE_SOURCE_DIR}/cmake/Package.cmake ${CMAKE_SOURCE_DIR}/res/Tempovista.nsi
  COMMENT "Release files of Tempovista ${PROJECT_VERSION} (${TV_PACKAGE_ARCH})"
  VERBATIM)

# The installer under Wine, in a fresh prefix of its own. It is a 32-bit
# program: the script skips where the kernel runs no 32-bit programs itself.
if(TV_PACKAGE_NSIS)
  add_test(NAME release_files_build
    COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target release_files)
  set_tests_properties(release_files_build PROPERTIES FIXTURES_SETUP release_files)
  add_test(NAME installer_tests
    COMMAND ${CMAKE_SOURCE_DIR}/tools/installer-tests.sh
            ${CMAKE_BINARY_DIR}/release/Tempovista-${PROJECT_VERSION}-setup.exe
            ${CMAKE_BINARY_DIR}/installer-prefix)
  set_tests_properties(installer_tests PROPERTIES
    FIXTURES_REQUIRED release_files
    ENVIRONMENT "${TV_WINE_ENV}"
    SKIP_RETURN_CODE 77
    TIMEOUT 900)
endif()
