# Registers each test function of a Qt Test executable as a test of its own,
# <name>.<function>. CTest runs this when it reads the tests, with the
# variables the file written by vorna_add_qt_test sets.
if(NOT EXISTS "${VORNA_QT_TEST_EXECUTABLE}")
  add_test("${VORNA_QT_TEST_NAME}_NOT_BUILT" "${VORNA_QT_TEST_NAME}_NOT_BUILT")
  return()
endif()
execute_process(
  COMMAND "${VORNA_CMAKE_COMMAND}" -E env ${VORNA_QT_TEST_ENVIRONMENT}
          "${VORNA_QT_TEST_EXECUTABLE}" -functions
  OUTPUT_VARIABLE listing
  ERROR_QUIET
  RESULT_VARIABLE result
  TIMEOUT 120)
string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]*\\(\\)" functions "${listing}")
if(NOT result EQUAL 0 OR NOT functions)
  # A test that fails, so the listing's failure is seen rather than passed over.
  add_test("${VORNA_QT_TEST_NAME}_NOT_LISTED" "${VORNA_QT_TEST_NAME}_NOT_LISTED")
  return()
endif()
foreach(function IN LISTS functions)
  string(REPLACE "()" "" function "${function}")
  add_test("${VORNA_QT_TEST_NAME}.${function}" "${VORNA_QT_TEST_EXECUTABLE}" "${function}")
  # The functions of one executable take turns: they share the desktop's
  # settings and files.
  set_tests_properties("${VORNA_QT_TEST_NAME}.${function}" PROPERTIES
    ENVIRONMENT "${VORNA_QT_TEST_ENVIRONMENT}"
    TIMEOUT 900
    RESOURCE_LOCK "${VORNA_QT_TEST_NAME}"
    SKIP_REGULAR_EXPRESSION "SKIP   : ")
endforeach()
