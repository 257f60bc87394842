# Runs the tools on the shipped example and shows what they print and write.
message(STATUS "hrsmooth 3 ${INPUT} ${OUTPUT}")
execute_process(COMMAND ${HRSMOOTH} 3 ${INPUT} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "hrsmooth ended with status ${status}")
endif()
file(READ ${OUTPUT} smoothed)
message("${smoothed}")

# The running calculators on the marathon and a 5 km race.
foreach(run "${FINISHCALC};m;8:05" "${PACECALC};5k;17:30")
  list(JOIN run " " shown)
  message(STATUS "${shown}")
  execute_process(COMMAND ${run} OUTPUT_VARIABLE printed RESULT_VARIABLE status)
  message("${printed}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${shown} ended with status ${status}")
  endif()
endforeach()
