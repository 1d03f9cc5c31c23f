# Native build: the in-memory platform and the GoogleTest suite over the portable core.
enable_testing()
if(KOLVANE_FUZZ)
  add_subdirectory(tests/fuzz)
  return()
endif()
find_package(GTest REQUIRED)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)

file(GLOB memory_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/base/platform/*_memory.cpp ${CMAKE_SOURCE_DIR}/src/base/platform/*_openssl.cpp)
add_library(kolvane_memory STATIC ${memory_sources})
target_link_libraries(kolvane_memory PUBLIC kolvane_core OpenSSL::Crypto)

file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
list(FILTER test_sources EXCLUDE REGEX "/tests/(e2e|wine)/")
add_executable(kolvane_tests ${test_sources})
target_include_directories(kolvane_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/base ${CMAKE_SOURCE_DIR}/tests/parts
                                                  ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(kolvane_tests PRIVATE kolvane_memory GTest::gtest_main)
target_compile_definitions(kolvane_tests PRIVATE KOLVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# Tables of test cases holding strings make GCC 12 at -O2 see uninitialised members that are not there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kolvane_tests PRIVATE -Wno-maybe-uninitialized)
endif()
include(GoogleTest)
if(KOLVANE_SANITIZE)
  set(test_prefix "asan.")
else()
  set(test_prefix "unit.")
endif()
gtest_discover_tests(kolvane_tests TEST_PREFIX ${test_prefix} DISCOVERY_TIMEOUT 60)
# Every picture the user guide shows is in docs/bilder/ and taken by an end-to-end scenario.
add_test(NAME ${test_prefix}guide_pictures COMMAND bash ${CMAKE_SOURCE_DIR}/docs/refresh-pictures.sh --check)
add_subdirectory(tests/fuzz)

# The static checks, each tool over each layer: the Win32 layer as the win32 preset compiles it. They take a
# processor for a while and wait for nothing, so they start first and run beside the end-to-end scenarios.
option(KOLVANE_STATIC_CHECKS "Run clang-tidy and cppcheck over src/ as tests (label static)" OFF)
if(KOLVANE_STATIC_CHECKS)
  foreach(tool IN ITEMS clang-tidy cppcheck)
    foreach(layer IN ITEMS core win32)
      set(layer_build ${CMAKE_BINARY_DIR})
      if(layer STREQUAL "win32")
        set(layer_build ${CMAKE_SOURCE_DIR}/build/win32)
      endif()
      string(REPLACE "-" "_" name "static.${tool}.${layer}")
      add_test(NAME ${name} COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/static-checks.sh ${tool} ${layer} ${layer_build})
      set_tests_properties(${name} PROPERTIES LABELS static COST 1000 TIMEOUT 900)
    endforeach()
  endforeach()
endif()

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt AND NOT KOLVANE_SANITIZE)
  add_subdirectory(bench)
endif()
