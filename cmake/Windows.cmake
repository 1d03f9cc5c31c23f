# Windows build (mingw-w64): the Win32 platform, the hub program and the programs that test it under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252")
add_link_options(-static -static-libgcc -static-libstdc++)
# The same sources give the same bytes: no time of the link in the programs.
add_link_options(-Wl,--no-insert-timestamp)
# cppcheck takes the include folders from the compile commands and cannot follow them into a response file.
set(CMAKE_CXX_USE_RESPONSE_FILE_FOR_INCLUDES OFF)
add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX WIN32_LEAN_AND_MEAN)

file(GLOB platform_win32_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/base/platform/*_win32.cpp)
add_library(kolvane_win32 STATIC ${platform_win32_sources})
target_link_libraries(kolvane_win32 PUBLIC kolvane_core advapi32 user32 gdi32 shell32 comctl32 comdlg32 wininet rasapi32 winspool version ole32)

# The hub: its views and its entry point, on top of the core and the Win32 platform.
set(view_sources "")
foreach(dir IN LISTS KOLVANE_SUBSYSTEMS)
  if(NOT dir STREQUAL "base/platform")
    file(GLOB dir_views CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*_win32.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/*.rc)
    list(APPEND view_sources ${dir_views})
  endif()
endforeach()
# The platform's own dialog templates (the input box) are resources of the program.
file(GLOB platform_resources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/base/platform/*.rc)
add_executable(KOLVANE WIN32 ${view_sources} ${platform_resources})
set_target_properties(KOLVANE PROPERTIES OUTPUT_NAME KOLVANE SUFFIX .EXE)
target_link_libraries(KOLVANE PRIVATE kolvane_win32)
configure_file(${CMAKE_SOURCE_DIR}/src/app/kolvane.manifest.in ${CMAKE_BINARY_DIR}/generated/kolvane.manifest @ONLY)
target_include_directories(KOLVANE PRIVATE ${CMAKE_BINARY_DIR}/generated)

enable_testing()
add_test(NAME release.reproducible COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/reproducible.sh
         KOLVANE.EXE tools/kolpack/kolpack.exe)
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/wine/CMakeLists.txt)
  add_subdirectory(tests/wine)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tests/e2e/CMakeLists.txt)
  add_subdirectory(tests/e2e)
endif()
