# Native build: the platform-free logic and its tests under AddressSanitizer and UBSan.
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(tarnwick_logic PRIVATE ${SANITIZE} -g)
target_link_options(tarnwick_logic PUBLIC ${SANITIZE})

add_executable(logic_tests ${LOGIC_TESTS})
target_compile_options(logic_tests PRIVATE ${TARNWICK_WARNINGS} ${SANITIZE} -g)
target_link_libraries(logic_tests PRIVATE tarnwick_logic gtest_main)
add_test(NAME logic_tests_native COMMAND logic_tests)
