# Installed layout, which debian/ packages as it is, and the binary tarball of CPack. The program
# finds its sounds beside its real file, so the programs and their sound files share one folder,
# lib/games/gusanicida/, and games/ holds the link players run.
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

install(FILES ${CMAKE_SOURCE_DIR}/data/instrucciones.html ${CMAKE_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/gusanicida.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/io.github.gusanicida.Gusanicida.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(cmake/PackageDocs.cmake)

# The Debian package comes from debian/ (dpkg-buildpackage); CPack makes only the tarball of the
# same installed tree.
set(CPACK_PACKAGE_NAME gusanicida)
set(CPACK_PACKAGE_VENDOR "GUSANICIDA developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "audio game for blind players: clear a warehouse of worms by ear")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY gusanicida)
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build keeps its debug information; the tarball ships the programs without it.
set(CPACK_STRIP_FILES ON)
include(CPack)
