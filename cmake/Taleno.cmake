# taleno_library(NAME DEPS...): a static library made of every source file in
# the calling folder, so adding a file needs no change to the build files.
function(taleno_library name)
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
       "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
  if(NOT sources)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# taleno_test(NAME [GUI] [DISPLAY_LOCK REGEX] LIBS...): one GoogleTest program
# made of every *.cpp in the calling folder plus the shared test main; each
# test case becomes its own CTest test. GUI programs get a QApplication
# instead of a QCoreApplication. The cases matching DISPLAY_LOCK share one
# lock under ctest -j: they change the X session's screen-saver time-outs or
# need the keyboard focus on the shared test display, so they never overlap.
function(taleno_test name)
  cmake_parse_arguments(PARSE_ARGV 1 T "GUI" "DISPLAY_LOCK" "")
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/common/test_main.cpp)
  if(T_GUI)
    target_compile_definitions(${name} PRIVATE TALENO_TEST_GUI)
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${T_UNPARSED_ARGUMENTS} Qt6::Core Qt6::Test GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TALENO_STANDIN_ENGINE="$<TARGET_FILE:taleno_standin_engine>"
    TALENO_TEST_TOOLS_DIR="${PROJECT_SOURCE_DIR}/tests")
  add_dependencies(${name} taleno_standin_engine)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
  if(T_DISPLAY_LOCK)
    # Included by ctest after the discovered tests were added.
    set(lock_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_display_lock.cmake)
    file(WRITE ${lock_file}
         "set(locked \${${name}_TESTS})\n"
         "list(FILTER locked INCLUDE REGEX \"${T_DISPLAY_LOCK}\")\n"
         "if(locked)\n  set_tests_properties(\${locked} PROPERTIES RESOURCE_LOCK taleno_x_display)\nendif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${lock_file})
  endif()
endfunction()
