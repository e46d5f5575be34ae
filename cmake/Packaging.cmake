# Installed layout and the Debian package. The program finds its sounds beside its real file, so
# the programs and their sound files share one folder, lib/games/gusanicida/, and games/ holds
# the link players run. (Sounds in share/games with links beside the program would do the same,
# but CPack counts a link as the size of its target and would state twice the installed size.)
include(GNUInstallDirs)
# A fixed folder (not the multiarch libdir): games/ links to it by a relative path.
set(GUS_PROGRAM_DIR lib/games/gusanicida)

if(TARGET gusanicida)
  install(TARGETS gusanicida RUNTIME DESTINATION ${GUS_PROGRAM_DIR})
  install(CODE "
    set(games \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games\")
    file(MAKE_DIRECTORY \"\${games}\")
    file(CREATE_LINK ../${GUS_PROGRAM_DIR}/gusanicida \"\${games}/gusanicida\" SYMBOLIC)")
endif()
# The headless runner is a developer's tool: in the program folder, off the PATH and the menu.
if(TARGET gusanicida-sim)
  install(TARGETS gusanicida-sim RUNTIME DESTINATION ${GUS_PROGRAM_DIR})
endif()
foreach(f IN LISTS GUS_DATA_FILES)
  if(EXISTS ${CMAKE_SOURCE_DIR}/data/${f})
    install(FILES ${CMAKE_SOURCE_DIR}/data/${f} DESTINATION ${GUS_PROGRAM_DIR})
  endif()
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/instrucciones.html ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.gusanicida.Gusanicida.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(cmake/PackageDocs.cmake)

set(CPACK_PACKAGE_NAME gusanicida)
set(CPACK_PACKAGE_VENDOR "GUSANICIDA developers")
set(CPACK_PACKAGE_CONTACT "GUSANICIDA developers <developers@gusanicida.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "audio game for blind players: clear a warehouse of worms by ear")
# Debian's extended description: lines of at most 80 characters, kept as written.
set(CPACK_PACKAGE_DESCRIPTION [=[
GUSANICIDA is an audio game for players who cannot see the screen. Walk the
streets of a warehouse of 13 by 13 cells by ear, lay bombs, kill every worm
of a phase, then find the exit by its beacon and go on: 25 phases, 5 lives,
three difficulties.

Everything is told by positional stereo sound and by a status text that the
screen reader (Orca) speaks; the game is played with the keyboard alone.
All of its texts and speech are in Spanish.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY gusanicida)
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debug information; the packages ship the programs without it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://gusanicida.github.io/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish translations give the message boxes their "Sí", "No" and "Aceptar".
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "orca")
include(CPack)
