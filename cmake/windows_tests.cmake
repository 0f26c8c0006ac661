# Tests of the Windows build, run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
# Every test executable carries the program's resources, so code under test can load them.
function(tarnwick_win_test name)
  add_executable(${name} ${ARGN} ${TARNWICK_RC})
  target_compile_options(${name} PRIVATE ${TARNWICK_WARNINGS})
  target_link_libraries(${name} PRIVATE tarnwick_win gtest_main)
  target_link_options(${name} PRIVATE -static)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

add_executable(logic_tests ${LOGIC_TESTS})
target_compile_options(logic_tests PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(logic_tests PRIVATE tarnwick_logic gtest_main)
target_link_options(logic_tests PRIVATE -static)
add_test(NAME logic_tests_wine COMMAND logic_tests)

tarnwick_win_test(scan_tests tests/win/volume_scan_test.cpp tests/win/fake_volumes.cpp)
tarnwick_win_test(log_tests tests/win/debug_log_test.cpp)
tarnwick_win_test(resource_tests tests/win/resource_test.cpp)
target_link_libraries(resource_tests PRIVATE version)
add_dependencies(resource_tests Tarnwick) # checks the program's own resources
tarnwick_win_test(hex_entry_filter_tests tests/win/hex_entry_filter_test.cpp)
tarnwick_win_test(shell_frame_tests tests/win/frame_window_test.cpp tests/win/size_bar_test.cpp
  tests/win/frame_commands_test.cpp tests/win/shell_test_support.cpp)
tarnwick_win_test(shell_startup_tests tests/win/startup_test.cpp tests/win/shell_test_support.cpp
  tests/win/fake_volumes.cpp)
tarnwick_win_test(volume_view_tests tests/win/volume_view_test.cpp)

# End-to-end: the real program against real filesystem images, driven by window messages.
add_executable(e2e_driver tests/e2e/driver.cpp)
target_compile_options(e2e_driver PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(e2e_driver PRIVATE tarnwick_logic)
target_link_options(e2e_driver PRIVATE -static -municode)
# The benchmark's floor: a bare window that the driver times like the program.
add_executable(floor_window WIN32 tests/e2e/floor_window.cpp)
target_compile_options(floor_window PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(floor_window PRIVATE tarnwick_logic)
target_link_options(floor_window PRIVATE -static -municode)

add_test(NAME e2e COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run-e2e ${TARNWICK_WINE_ARCH} ${TARNWICK_WINEPREFIX}
  $<TARGET_FILE:Tarnwick> $<TARGET_FILE:e2e_driver> ${CMAKE_BINARY_DIR}/e2e)
set_tests_properties(e2e PROPERTIES TIMEOUT 600)
