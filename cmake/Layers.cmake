# One static library per folder of src/ and one GoogleTest executable per folder of tests/.

# tavelor_add_layer(<name> [<library it builds on> ...]): library tavelor_<name> from the
# folder's *.cpp files.
function(tavelor_add_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(tavelor_${name} STATIC ${sources})
  target_include_directories(tavelor_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  if(ARGN)
    target_link_libraries(tavelor_${name} PUBLIC ${ARGN})
  endif()
endfunction()

# tavelor_add_layer_tests(<name>): executable <name>_tests from the folder's *.cpp files, linked
# with the library it tests and the shared fakes, registered test by test with CTest.
function(tavelor_add_layer_tests name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}_tests ${sources})
  target_link_libraries(${name}_tests PRIVATE tavelor_${name} tavelor_test_support GTest::gmock
                                              GTest::gtest_main)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60)
endfunction()
