# Shared settings and helpers for the libraries, programs and tests of the project.

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(WARNINGS_AS_ERRORS)
  target_compile_options(project_warnings INTERFACE -Werror)
endif()

# module_library(NAME SOURCES ... [DEPS ...]): one folder, one static library.
function(module_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE project_warnings)
endfunction()

# module_tests(NAME SOURCES ... [DEPS ...] [GUI] [JACK_SERVER]): the tests that
# sit beside a folder's code, registered with CTest one test case at a time. GUI
# tests get a main that creates the Qt application and run on the offscreen
# platform; JACK_SERVER tests get the JACK test server.
function(module_tests name)
  cmake_parse_arguments(ARG "GUI;JACK_SERVER" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    set(test_main test_support_gui_main)
  else()
    set(test_main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} test_support ${test_main}
                                        GTest::gmock project_warnings)
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(ARG_JACK_SERVER)
    # Tests that start a JACK server of their own run one at a time.
    target_link_libraries(${name} PRIVATE test_support_jack)
    list(APPEND properties RESOURCE_LOCK jack_server)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()

# fuzz_target(NAME SOURCES ... DEPS ... CORPUS folder): a libFuzzer target for
# one file parser. With BUILD_FUZZERS (clang) it is a real fuzzer; otherwise it
# is a replay program that feeds every file of its seed corpus to the target
# once, registered as a test, so the sanitizer builds keep the corpus clean.
function(fuzz_target name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} project_warnings)
  if(BUILD_FUZZERS)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    target_link_libraries(${name} PRIVATE fuzz_replay_main)
    add_test(NAME ${name}_corpus COMMAND ${name} ${ARG_CORPUS})
  endif()
endfunction()
