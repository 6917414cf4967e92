# Copies every file below QUELLE to ZIEL that does not exist there yet. NUR names the one
# file to copy, OHNE a file to leave out. Files whose names match ERNEUERN are files the
# program only reads (the language files): they are replaced whenever they differ, so a
# rebuild brings the texts of the code it builds.
file(GLOB_RECURSE dateien RELATIVE "${QUELLE}" "${QUELLE}/*")
list(FILTER dateien EXCLUDE REGEX "(^|/)README\\.md$")
if(DEFINED NUR)
  list(FILTER dateien INCLUDE REGEX "^${NUR}$")
endif()
if(DEFINED OHNE)
  list(FILTER dateien EXCLUDE REGEX "^${OHNE}$")
endif()
foreach(d IN LISTS dateien)
  if(DEFINED ERNEUERN AND d MATCHES "${ERNEUERN}")
    get_filename_component(ordner "${ZIEL}/${d}" DIRECTORY)
    file(MAKE_DIRECTORY "${ordner}")
    file(COPY_FILE "${QUELLE}/${d}" "${ZIEL}/${d}" ONLY_IF_DIFFERENT)
  elseif(NOT EXISTS "${ZIEL}/${d}")
    get_filename_component(ordner "${ZIEL}/${d}" DIRECTORY)
    file(MAKE_DIRECTORY "${ordner}")
    file(COPY_FILE "${QUELLE}/${d}" "${ZIEL}/${d}")
  endif()
endforeach()
