# Windows build (mingw-w64): the program, its tests and the end-to-end driver.
enable_language(RC)

# Tests run under a private Wine prefix, with the loader for this architecture. A prefix holds
# more than a gigabyte, so the scripts give every tree of one build folder the same one.
set(TARNWICK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the tests")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TARNWICK_WINE_ARCH win32)
else()
  set(TARNWICK_WINE_ARCH win64)
endif()
configure_file(cmake/wine-exec.in ${CMAKE_BINARY_DIR}/wine-exec @ONLY USE_SOURCE_PERMISSIONS)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-exec)

set(WIN_DEFINES UNICODE _UNICODE _WIN32_WINNT=0x0500 WINVER=0x0500 _WIN32_IE=0x0500)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Loads on Windows 2000: PE subsystem and OS version 5.0.
  set(WIN_SUBSYSTEM_VERSION -Wl,--major-subsystem-version,5,--minor-subsystem-version,0,--major-os-version,5,--minor-os-version,0)
else()
  set(WIN_SUBSYSTEM_VERSION -Wl,--major-subsystem-version,5,--minor-subsystem-version,2)
endif()

target_compile_definitions(tarnwick_logic PUBLIC ${WIN_DEFINES})

# Everything of the program but its entry point, so that tests can link it.
add_library(tarnwick_win STATIC
  scan/volume_api.cpp
  scan/volume_scan.cpp
  log/debug_log.cpp
  view/hex_entry_filter.cpp
  view/volume_view.cpp
  shell/shell_globals.cpp
  shell/frame_window.cpp
  shell/size_bar.cpp
  shell/frame_commands.cpp
  shell/menu_help_line.cpp
  shell/about_box.cpp
  shell/startup.cpp
)
target_compile_options(tarnwick_win PRIVATE ${TARNWICK_WARNINGS} -fno-exceptions -fno-rtti)
target_link_libraries(tarnwick_win PUBLIC tarnwick_logic comctl32 comdlg32 gdi32 user32 kernel32)

set(TARNWICK_RC ${CMAKE_SOURCE_DIR}/res/tarnwick.rc)
set_source_files_properties(${TARNWICK_RC} PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/app.ico;${CMAKE_SOURCE_DIR}/res/app-small.ico;${CMAKE_SOURCE_DIR}/res/about.ico")
set(TARNWICK_MANIFEST_RC ${CMAKE_SOURCE_DIR}/res/manifest.rc)
set_source_files_properties(${TARNWICK_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/tarnwick.manifest)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

add_executable(Tarnwick WIN32 shell/main.cpp ${TARNWICK_RC} ${TARNWICK_MANIFEST_RC})
target_compile_options(Tarnwick PRIVATE ${TARNWICK_WARNINGS} -fno-exceptions -fno-rtti)
target_link_libraries(Tarnwick PRIVATE tarnwick_win)
# Reproducible: no link time stamp, so no changing checksum either. The linker strips the symbols
# (-s) unless TARNWICK_STRIP is OFF (Debian's DEB_BUILD_OPTIONS=nostrip).
option(TARNWICK_STRIP "Strip the program's symbols when linking it" ON)
target_link_options(Tarnwick PRIVATE -static -municode $<$<BOOL:${TARNWICK_STRIP}>:-s> -Wl,--no-insert-timestamp
  ${WIN_SUBSYSTEM_VERSION})

if(NOT TARNWICK_PROGRAM_ONLY)
  include(cmake/windows_tests.cmake)
endif()

# The program's import table and PE header (no Wine needed): loads on Windows 2000 (32-bit),
# opens nothing it could write through; and fails on a program without imports.
add_test(NAME imports COMMAND ${CMAKE_SOURCE_DIR}/tests/imports/check-imports $<TARGET_FILE:Tarnwick>)
add_executable(no_imports tests/imports/no_imports.cpp)
target_link_options(no_imports PRIVATE -nostdlib)
add_test(NAME imports_none COMMAND ${CMAKE_SOURCE_DIR}/tests/imports/check-imports $<TARGET_FILE:no_imports>)
set_tests_properties(imports_none PROPERTIES PASS_REGULAR_EXPRESSION "FAIL import table read: 0 functions")
