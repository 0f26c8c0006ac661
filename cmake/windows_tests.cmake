# Tests of the Windows build, run under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
function(tarnwick_win_test name)
  add_executable(${name} ${ARGN})
  target_compile_options(${name} PRIVATE ${TARNWICK_WARNINGS})
  target_link_libraries(${name} PRIVATE tarnwick_win gtest_main)
  target_link_options(${name} PRIVATE -static -municode)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

add_executable(logic_tests ${LOGIC_TESTS})
target_compile_options(logic_tests PRIVATE ${TARNWICK_WARNINGS})
target_link_libraries(logic_tests PRIVATE tarnwick_logic gtest_main)
target_link_options(logic_tests PRIVATE -static)
add_test(NAME logic_tests_wine COMMAND logic_tests)

tarnwick_win_test(scan_tests tests/win/volume_scan_test.cpp tests/win/fake_volumes.cpp)
tarnwick_win_test(log_tests tests/win/debug_log_test.cpp)
