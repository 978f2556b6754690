# A Qt Test program, run headless against the recording platform layer.
function(velmora_qttest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE velmora_fakeplattform velmora_testsupport Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
