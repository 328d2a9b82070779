# talvoren_core_test(NAME SOURCES...): one GoogleTest executable of core tests.
# Natively every test case is its own CTest test; under Wine one process per executable keeps the
# run short (each Wine process start costs about a second).
function(talvoren_core_test name)
  add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
  target_link_libraries(${name} PRIVATE talvoren_core GTest::gtest)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  if(WIN32)
    # GCC 12 sees a false overlap in std::string's operator+ once it is inlined into the tests
    # (GCC bug 105329); the MinGW build of the same sources would print it for every such line.
    target_compile_options(${name} PRIVATE -Wno-restrict)
    # Under Wine the Linux folder is drive Z:.
    target_compile_definitions(${name} PRIVATE TALVOREN_CORPUS_DIR="Z:${TALVOREN_CORPUS_DIR}")
    add_test(NAME ${name} COMMAND ${name})
  else()
    target_compile_definitions(${name} PRIVATE TALVOREN_CORPUS_DIR="${TALVOREN_CORPUS_DIR}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
