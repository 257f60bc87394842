# Installs a build tree into PREFIX and checks the result (run by the install_tree test).
# Expects BUILD_DIR, CONFIG, PREFIX, PROGRAMS and PAGES (names separated by commas), VERSION,
# BINDIR, MANDIR, DOCDIR.
string(REPLACE "," ";" PROGRAMS "${PROGRAMS}")
string(REPLACE "," ";" PAGES "${PAGES}")

file(REMOVE_RECURSE ${PREFIX})
set(config_args)
if(CONFIG)
  set(config_args --config ${CONFIG})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} ${config_args}
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${log}")
endif()

set(problems)
foreach(program IN LISTS PROGRAMS)
  set(path ${PREFIX}/${BINDIR}/${program})
  # Started with no arguments, a program prints its usage text; any number means it ran.
  execute_process(COMMAND ${path} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status MATCHES "^[0-9]+$")
    list(APPEND problems "${path} does not run: ${status}")
  endif()
endforeach()

foreach(page IN LISTS PAGES)
  set(path ${PREFIX}/${MANDIR}/man1/${page}.1)
  if(NOT EXISTS ${path})
    list(APPEND problems "missing ${path}")
    continue()
  endif()
  file(READ ${path} text)
  string(TOUPPER ${page} title)
  if(NOT text MATCHES "^\\.TH ${title} 1 \"[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\" \"hrmtools ${VERSION}\"")
    list(APPEND problems "${path}: title line lacks the name, a date or version ${VERSION}")
  endif()
  if(text MATCHES "@[A-Z_]+@")
    list(APPEND problems "${path}: placeholder left unfilled: ${CMAKE_MATCH_0}")
  endif()
endforeach()

foreach(doc README.md LICENSE)
  if(NOT EXISTS ${PREFIX}/${DOCDIR}/${doc})
    list(APPEND problems "missing ${PREFIX}/${DOCDIR}/${doc}")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n" report)
  message(FATAL_ERROR "${report}")
endif()
