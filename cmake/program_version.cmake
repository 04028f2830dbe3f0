# Reads the program's one version text, CURRENT_VERSION in
# src/online/version_page.h, into VEXBOX_VERSION ("2.1") and
# VEXBOX_VERSION_NUMBERS ("2,1,0,0", the four numbers a version resource
# takes), and writes them to generated/program_version.h for vexbox.rc.
# A change of the header configures the build again.
set(version_header ${CMAKE_SOURCE_DIR}/src/online/version_page.h)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${version_header})
file(STRINGS ${version_header} version_line REGEX "CURRENT_VERSION\\[\\] *= *\"")
if(NOT version_line MATCHES "CURRENT_VERSION\\[\\] *= *\"([0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?)\"")
  message(FATAL_ERROR "no CURRENT_VERSION of one to four dotted numbers in ${version_header}")
endif()
set(VEXBOX_VERSION ${CMAKE_MATCH_1})
string(REPLACE "." ";" version_parts ${VEXBOX_VERSION})
list(LENGTH version_parts version_count)
while(version_count LESS 4)
  list(APPEND version_parts 0)
  math(EXPR version_count "${version_count} + 1")
endwhile()
foreach(part IN LISTS version_parts)
  if(part GREATER 65535)
    message(FATAL_ERROR "version ${VEXBOX_VERSION}: each number must fit 16 bits")
  endif()
endforeach()
string(REPLACE ";" "," VEXBOX_VERSION_NUMBERS "${version_parts}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/program_version.h.in ${CMAKE_BINARY_DIR}/generated/program_version.h @ONLY)
