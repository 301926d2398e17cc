# SPDX-FileCopyrightText: Chromohm developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made from a configured build with:  cpack -G DEB
# (in the build folder). It installs into /usr; the binary is stripped and the
# dependencies come from the shared libraries plus what the program needs at
# run time besides them.

set(CHROMOHM_PACKAGE_MAINTAINER "Chromohm developers <chromohm@users.noreply.invalid>"
    CACHE STRING "The Maintainer field of the Debian package: name <address>")

# Documentation of the package: the machine-readable copyright file and the
# compressed changelog.
set(CHROMOHM_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/chromohm)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND ${GZIP} -9nc ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(chromohm_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    DESTINATION ${CHROMOHM_DOCDIR})

set(CPACK_PACKAGE_NAME chromohm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CHROMOHM_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "resistor colour code, LED resistors and capacitance units")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Chromohm is a small French-language desktop utility for electronics
hobbyists. Its window holds three pages: a resistor colour-code
calculator for four- and five-band resistors, a reference card of the
series resistor for red and green or yellow LEDs at common supply
voltages, and a conversion guide between microfarads, nanofarads and
picofarads.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: the metric-compatible faces that the fixed layout is
# measured with, and the Wayland platform plugin (X11's comes with libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
