# Binary packages of the installed tree: a Debian package and a compressed tar archive.
#   cmake --workflow --preset package       (or: cd build/release && cpack)
# Both land in build/release.

set(CPACK_PACKAGE_NAME hrmtools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The hrmtools authors")
set(CPACK_PACKAGE_CONTACT "The hrmtools maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Three command-line tools for runners who train with a heart-rate monitor:
hrsmooth smooths the heart-rate samples of an HRM exercise file with one
of seven moving-average filters, finishcalc prints the finish time of a
race run at a given pace per mile, and pacecalc prints the average pace
per mile of a race run in a given time.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time libraries the programs link (C and C++ libraries) are found by dpkg-shlibdeps
# where it is installed (package dpkg-dev); without it they are named here.
find_program(HRMTOOLS_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(HRMTOOLS_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()

include(CPack)
