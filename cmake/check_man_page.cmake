# Formats one manual page with every groff warning enabled; any warning fails the check.
# Expects GROFF and PAGE.
execute_process(COMMAND ${GROFF} -man -ww -z ${PAGE}
                RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE} (status ${status}):\n${warnings}")
endif()
