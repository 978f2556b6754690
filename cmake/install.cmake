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

# The reference file's type, so that the desktop opens *.zeugnis with Velmora. The MIME
# database is rebuilt at once, except when installing into a DESTDIR (a package build),
# whose own scripts rebuild it on the target system.
install(FILES ${CMAKE_SOURCE_DIR}/resources/velmora-zeugnis.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velmora.xml)
find_program(VELMORA_UPDATE_MIME_DATABASE update-mime-database)
install(CODE "set(velmora_mimeordner \"${CMAKE_INSTALL_DATADIR}/mime\")
              set(velmora_update_mime_database \"${VELMORA_UPDATE_MIME_DATABASE}\")")
install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
        if(NOT IS_ABSOLUTE "${velmora_mimeordner}")
            set(velmora_mimeordner "${CMAKE_INSTALL_PREFIX}/${velmora_mimeordner}")
        endif()
        if(velmora_update_mime_database)
            message(STATUS "MIME-Datenbank: ${velmora_mimeordner}")
            execute_process(COMMAND "${velmora_update_mime_database}" "${velmora_mimeordner}"
                            RESULT_VARIABLE velmora_ergebnis)
            if(NOT velmora_ergebnis EQUAL 0)
                message(WARNING "update-mime-database ${velmora_mimeordner} ist gescheitert")
            endif()
        else()
            message(WARNING "update-mime-database fehlt (Paket shared-mime-info); "
                            "*.zeugnis wird erst nach dessen Lauf erkannt")
        endif()
    endif()
]])
