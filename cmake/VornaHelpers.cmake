# Shared build rules: every target gets the same strict warnings, and every
# test executable is registered the same way.

# Compiles and links every target of this directory and below with the address
# and undefined-behaviour sanitizers. Undefined behaviour stops the program, so
# a test cannot pass over it with only a line on its error output.
function(vorna_enable_sanitizers)
  set(_vorna_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer
                            -fno-sanitize-recover=undefined)
  add_compile_options(${_vorna_sanitize_flags})
  add_link_options(${_vorna_sanitize_flags})
endfunction()

# Qt code spells out every conversion between bytes and text.
set(VORNA_QT_TEXT_DEFINES QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING)

function(vorna_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                           -Wconversion -Wno-sign-conversion)
  # Warnings stop developer builds; a packager's newer compiler only warns.
  if(VORNA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

include(GoogleTest)

# The environment every test runs in: window tests need no display, and no
# test depends on the user's locale.
set(VORNA_TEST_ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")

# Builds one test executable of <name> from its sources and libraries.
function(_vorna_test_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    VORNA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  vorna_set_warnings(${name})
endfunction()

# vorna_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds a GoogleTest executable and registers each of its cases with CTest as
# <name>.<Suite>.<case>, so a failure is named by its case and
# `ctest -R <name>` still runs them all. The cases are listed when CTest runs,
# so the build never runs a test program.
function(vorna_add_test name)
  _vorna_test_executable(${name} ${ARGN})
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 900)
  # The environment is a list, which the discovery's PROPERTIES would split;
  # it is set on the listed cases by a file CTest reads after the list.
  set(environment_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake")
  file(WRITE "${environment_file}"
    "if(${name}_TESTS)\n"
    "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${VORNA_TEST_ENVIRONMENT}\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${environment_file}")
endfunction()

# vorna_add_qt_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds a Qt Test executable and registers each of its test functions with
# CTest as <name>.<function>, listed when CTest runs.
function(vorna_add_qt_test name)
  _vorna_test_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  set(functions_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_functions.cmake")
  file(GENERATE OUTPUT "${functions_file}" CONTENT
    "set(VORNA_QT_TEST_NAME [==[${name}]==])
set(VORNA_QT_TEST_EXECUTABLE [==[$<TARGET_FILE:${name}>]==])
set(VORNA_QT_TEST_ENVIRONMENT [==[${VORNA_TEST_ENVIRONMENT}]==])
set(VORNA_CMAKE_COMMAND [==[${CMAKE_COMMAND}]==])
include([==[${PROJECT_SOURCE_DIR}/cmake/VornaQtTestFunctions.cmake]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${functions_file}")
endfunction()
