# Where `cmake --install` puts the program, its base document and its desktop integration.

# The installed program looks for temp.doc in its data folder once none lies beside it: first
# relative to its own folder (so an install with `cmake --install --prefix` elsewhere works),
# then at the folder the build was configured for.
file(RELATIVE_PATH velmora_datenordner_relativ ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/velmora)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/src/generated/installationsordner.h CONTENT [[
#pragma once

// Filled in by CMake: the data folder of the installed program.
namespace velmora {
inline constexpr char installierterDatenordner[] = "@CMAKE_INSTALL_FULL_DATADIR@/velmora";
// The same, seen from the folder that holds the installed program.
inline constexpr char datenordnerVomProgramm[] = "@velmora_datenordner_relativ@";
} // namespace velmora
]] @ONLY)

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/temp.doc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora)
install(FILES ${CMAKE_SOURCE_DIR}/resources/velmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(velmora_symbole ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/velmora-16.png
        DESTINATION ${velmora_symbole}/16x16/apps RENAME velmora.png)
install(FILES ${CMAKE_SOURCE_DIR}/resources/velmora-32.png
        DESTINATION ${velmora_symbole}/32x32/apps RENAME velmora.png)
install(FILES ${CMAKE_SOURCE_DIR}/resources/velmora.svg
        DESTINATION ${velmora_symbole}/scalable/apps)
