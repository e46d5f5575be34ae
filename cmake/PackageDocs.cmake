# The package's documents as Debian wants them: manual pages turned from scdoc into roff and the
# changelog, each compressed with gzip -9n so that two builds give the same bytes.
set(GUS_CHANGELOG ${CMAKE_SOURCE_DIR}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${GUS_CHANGELOG})

# The newest changelog entry names the version and dates the manual pages.
find_program(GUS_DPKG_PARSECHANGELOG dpkg-parsechangelog)
set(GUS_RELEASE_EPOCH 0)
if(GUS_DPKG_PARSECHANGELOG)
  execute_process(COMMAND ${GUS_DPKG_PARSECHANGELOG} -l ${GUS_CHANGELOG} -S Version
                  OUTPUT_VARIABLE changelog_version OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${GUS_DPKG_PARSECHANGELOG} -l ${GUS_CHANGELOG} -S Timestamp
                  OUTPUT_VARIABLE GUS_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT changelog_version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "debian/changelog is at ${changelog_version}, the project at "
                        "${PROJECT_VERSION}: add a changelog entry for the new version")
  endif()
endif()

set(doc_dir ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${doc_dir}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_dir}
  COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${GUS_CHANGELOG} ${doc_dir}/changelog.gz
  DEPENDS ${GUS_CHANGELOG} VERBATIM)
set(doc_outputs ${doc_dir}/changelog.gz)
install(FILES ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

find_program(GUS_SCDOC scdoc)
if(GUS_SCDOC)
  foreach(lang en es)
    set(suffix "")
    set(man_dir ${CMAKE_INSTALL_MANDIR}/man6)
    set(manual "Games Manual")
    if(lang STREQUAL es)
      set(suffix .es)
      set(man_dir ${CMAKE_INSTALL_MANDIR}/es/man6)
      set(manual "Manual de juegos")
    endif()
    set(source ${CMAKE_SOURCE_DIR}/packaging/man/gusanicida${suffix}.6.scd)
    set(page ${doc_dir}/man${suffix}/gusanicida.6.gz)
    add_custom_command(
      OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_dir}/man${suffix}
      COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${GUS_RELEASE_EPOCH}
              sh ${CMAKE_SOURCE_DIR}/packaging/man/build-page.sh ${GUS_SCDOC} ${source} ${page}
              "GUSANICIDA ${PROJECT_VERSION}" ${manual}
      DEPENDS ${source} ${CMAKE_SOURCE_DIR}/packaging/man/build-page.sh ${GUS_CHANGELOG}
      VERBATIM)
    list(APPEND doc_outputs ${page})
    install(FILES ${page} DESTINATION ${man_dir})
  endforeach()
else()
  message(STATUS "scdoc not found: the package gets no manual pages (scripts/install-deps.sh)")
endif()
add_custom_target(gus_package_docs ALL DEPENDS ${doc_outputs})
