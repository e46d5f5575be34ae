# Reads sound/catalogue.tsv, the one list of the sound files: GUS_SOUND_FILES for the build's copy
# and install rules, and the header sound/catalogue.h that names every file for the C++.
set(gus_catalogue ${CMAKE_CURRENT_LIST_DIR}/catalogue.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${gus_catalogue})
file(STRINGS ${gus_catalogue} gus_catalogue_rows ENCODING UTF-8 REGEX "^[^#]")
set(GUS_SOUND_FILES)
set(GUS_SOUND_ROWS)
set(GUS_SOUND_NAMES)
foreach(row IN LISTS gus_catalogue_rows)
  if(NOT row MATCHES "^([a-z0-9_]+\\.wav)\t([A-Z][A-Za-z0-9]*)\t([a-z]+)\t")
    message(FATAL_ERROR "sound/catalogue.tsv: a row starts with file, key and role: ${row}")
  endif()
  list(APPEND GUS_SOUND_FILES ${CMAKE_MATCH_1})
  string(APPEND GUS_SOUND_ROWS
    "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\", \"${CMAKE_MATCH_3}\"},\n")
  string(APPEND GUS_SOUND_NAMES
    "inline constexpr const char* ${CMAKE_MATCH_2} = \"${CMAKE_MATCH_1}\";\n")
endforeach()
list(LENGTH GUS_SOUND_FILES GUS_SOUND_COUNT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/catalogue.h.in
  ${CMAKE_BINARY_DIR}/generated/sound/catalogue.h @ONLY)
