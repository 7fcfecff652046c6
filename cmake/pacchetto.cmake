# The installation and the Debian package (cpack in the build folder; see
# scripts/package.sh). The program goes to lib/korvel with its tips file beside it,
# since it reads them from its own folder; the price list and the title tune go to
# share/korvel, the working folder the korvel command starts it in.
set(KORVEL_ID com.example.korvel)
set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)
set(icone ${CMAKE_SOURCE_DIR}/resources/icone)
set(generati ${CMAKE_BINARY_DIR}/pacchetto)

install(TARGETS korvel RUNTIME DESTINATION lib/korvel)
install(FILES ${CMAKE_SOURCE_DIR}/resources/run/SuggerimentiKorvel.TXT DESTINATION lib/korvel)
install(FILES ${CMAKE_SOURCE_DIR}/resources/run/listino.txt ${CMAKE_SOURCE_DIR}/resources/run/Internet.mid
        DESTINATION share/korvel)
install(PROGRAMS ${desktop}/korvel.sh DESTINATION bin RENAME korvel)
install(FILES ${desktop}/${KORVEL_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${KORVEL_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${icone}/korvel.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(lato 16 22 24 32 48 64 128 256)
  install(FILES ${icone}/korvel-${lato}.png DESTINATION share/icons/hicolor/${lato}x${lato}/apps RENAME korvel.png)
endforeach()

# The copyright file holds the terms of use the licence window shows.
file(READ ${CMAKE_SOURCE_DIR}/src/help/testi/licenza.txt KORVEL_LICENZA)
string(STRIP "${KORVEL_LICENZA}" KORVEL_LICENZA)
configure_file(${desktop}/copyright.in ${generati}/copyright @ONLY)
# Debian wants the changelog and the manual page compressed at most, without a time stamp.
find_program(KORVEL_GZIP gzip REQUIRED)
foreach(testo changelog korvel.1)
  execute_process(COMMAND ${KORVEL_GZIP} -9nc ${desktop}/${testo} OUTPUT_FILE ${generati}/${testo}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/src/help/testi/licenza.txt ${desktop}/changelog ${desktop}/korvel.1)
install(FILES ${generati}/copyright ${generati}/changelog.gz DESTINATION share/doc/korvel)
install(FILES ${generati}/korvel.1.gz DESTINATION share/man/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Servizio di assistenza Korvel <assistenza@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcolo di pannelli solari termici per edifici in Italia")
# The summary is the first line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korvel dimensiona gli impianti a collettori solari termici degli edifici in
Italia: la tabella climatica di 64 località, la trasmittanza globale di un
edificio, il calcolo di fattibilità su 1000 superfici di collettori, il
calcolo dettagliato mese per mese con l'analisi economica e il tempo di
ritorno, il frontespizio del progetto e la relazione tecnica completa,
salvata in DOCX o in PDF.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The shared libraries' packages, and what the program opens at run time: the faces
# of its windows and reports, the sound font of the tune, the Italian texts of the
# toolkit's dialogs, the desktop's programs for links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-dejavu-core, fonts-liberation2, fonts-urw-base35, timgm6mb-soundfont, qt6-translations-l10n, xdg-utils")
include(CPack)
