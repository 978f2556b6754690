# Fails when a source file of the project is not formatted as clang-format (with the
# .clang-format at the root) would format it. Run with -DQUELLE=<source folder>
# -DCLANG_FORMAT=<program>.
file(GLOB_RECURSE dateien LIST_DIRECTORIES false
     ${QUELLE}/src/*.cpp ${QUELLE}/src/*.h
     ${QUELLE}/tests/*.cpp ${QUELLE}/tests/*.h
     ${QUELLE}/bench/*.cpp ${QUELLE}/bench/*.h
     ${QUELLE}/fuzz/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${dateien}
                WORKING_DIRECTORY ${QUELLE} RESULT_VARIABLE ergebnis)
if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "Nicht nach .clang-format formatiert (siehe oben); "
                        "clang-format -i behebt es.")
endif()
list(LENGTH dateien anzahl)
message(STATUS "${anzahl} Dateien geprüft")
