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

# vorna_add_test(<name> SOURCES <files...> LIBS <targets...>)
# Builds a test executable and registers it with CTest. Window tests need no
# display: the offscreen platform is set for every test.
function(vorna_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    VORNA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  vorna_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 900)
endfunction()
