# Install rules for the manual pages and the documentation, and a check of the installed tree.
# The programs themselves are installed by the CMakeLists.txt that builds them.

# Date printed in the footer of the manual pages. The default is the day of configuring
# (SOURCE_DATE_EPOCH, when set, fixes it for reproducible builds).
string(TIMESTAMP hrmtools_today "%Y-%m-%d" UTC)
set(HRMTOOLS_MAN_DATE "${hrmtools_today}" CACHE STRING "Date in the footer of the manual pages")

set(hrmtools_programs hrsmooth finishcalc pacecalc)

foreach(program IN LISTS hrmtools_programs)
  configure_file(${PROJECT_SOURCE_DIR}/man/${program}.1.in
                 ${PROJECT_BINARY_DIR}/man/${program}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${program}.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(BUILD_TESTING)
  # Installs the build into a scratch prefix inside the build tree (no root needed) and
  # checks that every program that is built, each manual page and the documents arrive.
  set(built_programs)
  foreach(program IN LISTS hrmtools_programs)
    if(TARGET ${program})
      list(APPEND built_programs ${program})
    endif()
  endforeach()
  # Lists travel comma-separated: a semicolon would split the test's command line.
  string(REPLACE ";" "," built_programs "${built_programs}")
  string(REPLACE ";" "," all_pages "${hrmtools_programs}")
  add_test(NAME install_tree
           COMMAND ${CMAKE_COMMAND}
                   -DBUILD_DIR=${PROJECT_BINARY_DIR}
                   -DCONFIG=$<CONFIG>
                   -DPREFIX=${PROJECT_BINARY_DIR}/install-check
                   -DPROGRAMS=${built_programs}
                   -DPAGES=${all_pages}
                   -DVERSION=${PROJECT_VERSION}
                   -DBINDIR=${CMAKE_INSTALL_BINDIR}
                   -DMANDIR=${CMAKE_INSTALL_MANDIR}
                   -DDOCDIR=${CMAKE_INSTALL_DOCDIR}
                   -P ${PROJECT_SOURCE_DIR}/cmake/check_install.cmake)

  # Each manual page must format without a single warning.
  find_program(HRMTOOLS_GROFF groff)
  if(HRMTOOLS_GROFF)
    foreach(program IN LISTS hrmtools_programs)
      add_test(NAME man_page_${program}
               COMMAND ${CMAKE_COMMAND}
                       -DGROFF=${HRMTOOLS_GROFF}
                       -DPAGE=${PROJECT_BINARY_DIR}/man/${program}.1
                       -P ${PROJECT_SOURCE_DIR}/cmake/check_man_page.cmake)
    endforeach()
  endif()
endif()
