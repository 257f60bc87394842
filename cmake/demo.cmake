# Runs the tools on the shipped example and shows what they print and write.
message(STATUS "hrsmooth 3 ${INPUT} ${OUTPUT}")
execute_process(COMMAND ${HRSMOOTH} 3 ${INPUT} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "hrsmooth ended with status ${status}")
endif()
file(READ ${OUTPUT} smoothed)
message("${smoothed}")
