# Shared build helpers.

# Common warnings for our own targets.
function(rkv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# rkv_add_gtest(<name> DIR <folder> LIBS <libs...>)
# Builds one GoogleTest executable from every .cpp in <folder> plus the shared
# test main (which starts an offscreen QApplication) and the scripted
# platform stand-ins, and registers each test case with ctest.
find_package(GTest REQUIRED)
include(GoogleTest)
function(rkv_add_gtest name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
  add_executable(${name} ${_sources} ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(${name} PRIVATE RKV_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} RKVPlatformTesting GTest::gtest GTest::gmock Qt6::Test Qt6::Widgets)
  rkv_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${RKV_PROGRAM_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
