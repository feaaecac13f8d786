# Shared build helpers.

# Common warnings for our own targets.
function(rkv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# rkv_include_folder(<target> <PUBLIC|PRIVATE|INTERFACE> <folder> <name>)
# Lets code include the headers of <folder> as "<name>/Header.h", <name>
# being the folder's path below its layer's root: platform/... below the
# source root; colorbytes/, render/, view/ below canvas/; model/core/,
# model/, mainwindow/, ... below viewer/; modelgen/core/, exporter/ below
# tools/; support/ below tests/. <name> is a link to <folder> inside an
# include folder of the target's own, so a target sees the folders of what
# it links and no other, and an include across a layer the wrong way still
# fails to build.
function(rkv_include_folder target scope folder name)
  set(_root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(_parent ${_root}/${name} DIRECTORY)
  file(MAKE_DIRECTORY ${_parent})
  file(CREATE_LINK ${folder} ${_root}/${name} SYMBOLIC)
  target_include_directories(${target} ${scope} ${_root})
endfunction()

# The shared test headers of tests/support/, included as "support/Name.h".
function(rkv_test_support_includes target)
  target_sources(${target} PRIVATE
    ${PROJECT_SOURCE_DIR}/tests/support/ColoringRule.h
    ${PROJECT_SOURCE_DIR}/tests/support/PageImages.h)
  rkv_include_folder(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support support)
endfunction()

# rkv_add_gtest(<name> DIR <folder> SOURCES <files...> LIBS <libs...>)
# Builds one GoogleTest executable from the listed files of <folder> plus the
# shared test main (which starts an offscreen QApplication) and the scripted
# platform stand-ins, and registers each test case with ctest.
find_package(GTest REQUIRED)
include(GoogleTest)
function(rkv_add_gtest name)
  cmake_parse_arguments(ARG "" "DIR" "SOURCES;LIBS" ${ARGN})
  list(TRANSFORM ARG_SOURCES PREPEND ${ARG_DIR}/)
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
  rkv_test_support_includes(${name})
  target_compile_definitions(${name} PRIVATE RKV_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} RKVPlatformTesting GTest::gtest GTest::gmock Qt6::Test Qt6::Widgets)
  rkv_warnings(${name})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${RKV_PROGRAM_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
