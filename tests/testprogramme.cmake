# A Qt Test program, run headless against the recording platform layer; VELMORA_DATEN names
# its folder, where its data files lie.
function(velmora_qttest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE velmora_fakeplattform velmora_testsupport Qt6::Test)
    target_compile_definitions(${name} PRIVATE VELMORA_DATEN="${CMAKE_CURRENT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

# A Google Test program, each of its tests an entry of its own; VELMORA_DATEN names its
# folder, where its data files lie.
function(velmora_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE VELMORA_DATEN="${CMAKE_CURRENT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    gtest_discover_tests(${name})
endfunction()
