# Installed layout and packages. One rule finds the sounds: they lie beside the program file,
# in lib/gusanicida/, and bin/ holds links to the programs there.
include(GNUInstallDirs)
# A fixed lib/gusanicida (not the multiarch libdir): bin/ links to it by a relative path.
set(GUS_PROGRAM_DIR lib/gusanicida)

foreach(program gusanicida gusanicida-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${GUS_PROGRAM_DIR})
    install(CODE "
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
      file(CREATE_LINK \"../${GUS_PROGRAM_DIR}/${program}\"
           \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")
  endif()
endforeach()
foreach(f IN LISTS GUS_DATA_FILES)
  install(FILES ${CMAKE_SOURCE_DIR}/data/${f} DESTINATION ${GUS_PROGRAM_DIR})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/instrucciones.html DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME gusanicida)
set(CPACK_PACKAGE_VENDOR "GUSANICIDA")
set(CPACK_PACKAGE_CONTACT "GUSANICIDA <gusanicida@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Juego de audio para jugar sin ver la pantalla")
set(CPACK_PACKAGE_DESCRIPTION
    "GUSANICIDA es un juego de audio: recorre un almacén guiándote por el sonido estéreo, coloca bombas y elimina a todos los gusanos. Pensado para jugar con lector de pantalla (Orca, NVDA, JAWS).")
set(CPACK_PACKAGE_INSTALL_DIRECTORY gusanicida)
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish translations give the message boxes their "Sí", "No" and "Aceptar".
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
