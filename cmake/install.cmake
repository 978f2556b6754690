# Where `cmake --install` puts the program, its base document and its desktop integration.

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
