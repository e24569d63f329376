# Project-wide compile flags: strict warnings, optional sanitizers.
add_compile_options(-Wall -Wextra -Wpedantic)
if(DAYVANE_WERROR)
  add_compile_options(-Werror)
endif()
if(DAYVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# dayvane_library(NAME SOURCES... [DEPS ...]): one static library per folder.
function(dayvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# dayvane_test(NAME SOURCES... DEPS ...): one GoogleTest program, registered with CTest.
function(dayvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC")
endfunction()

# dayvane_bench(NAME SOURCES... DEPS ...): a Google Benchmark program; the test run only
# checks that it starts and lists its cases.
function(dayvane_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
  add_test(NAME bench.${name}.starts
    COMMAND ${name} --benchmark_list_tests=true)
  set_tests_properties(bench.${name}.starts PROPERTIES LABELS bench)
endfunction()

# Adds the listed sub-folders that exist; folders appear as they get code.
macro(dayvane_subdirs)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()
