# qz_add_test(NAME name SOURCES ... LIBS ...)
# One GoogleTest executable; every case runs as its own ctest test named "<name>.<Suite>.<Case>",
# offscreen, with the program folder in QZ_PROGRAM_DIR and a time limit.
function(qz_add_test)
  if(NOT QZ_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE qz_test_main ${T_LIBS} GTest::gtest GTest::gmock)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # One variable per property: a list in ENVIRONMENT is split apart on its way through discovery.
  gtest_discover_tests(${T_NAME}
    TEST_PREFIX "${T_NAME}."
    DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "QZ_PROGRAM_DIR=set:${QZ_PROGRAM_DIR}")
endfunction()
