# Checks a compiled help file: the ITSF signature of an HTML Help file, every
# page inside it, and index.htm as its default topic.
file(READ ${HELP_FILE} signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")
  message(FATAL_ERROR "${HELP_FILE} is no HTML Help file (starts with ${signature})")
endif()

execute_process(COMMAND ${CHMLS} --name-only list ${HELP_FILE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
  message(FATAL_ERROR "chmls can't list ${HELP_FILE}")
endif()
foreach(page IN LISTS HELP_PAGES)
  if(NOT listing MATCHES "/${page}\n")
    message(FATAL_ERROR "${page} is missing from ${HELP_FILE}")
  endif()
endforeach()

set(system_file ${CMAKE_CURRENT_BINARY_DIR}/morvane_chm_system.bin)
execute_process(COMMAND ${CHMLS} extract ${HELP_FILE} "/#SYSTEM" ${system_file}
                OUTPUT_QUIET RESULT_VARIABLE extracted)
file(STRINGS ${system_file} system_strings)
file(REMOVE ${system_file})
if(NOT extracted EQUAL 0 OR NOT system_strings MATCHES "index\\.htm")
  message(FATAL_ERROR "${HELP_FILE} names no default topic index.htm")
endif()
