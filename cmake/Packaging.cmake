# SPDX-FileCopyrightText: 2026 Tidewell developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` builds a Debian package of what `cmake --install` puts in place. The libraries it
# needs are found by dpkg-shlibdeps from the installed programs.
set(CPACK_PACKAGE_NAME tidewell)
set(CPACK_PACKAGE_VENDOR "The Tidewell developers")
set(CPACK_PACKAGE_CONTACT "The Tidewell developers <maintainers@tidewell.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design of pressure housings against buckling and failure")
# Debian wants the lines of the long description under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Tidewell designs the tubes and spheres of underwater pressure housings
and their endcaps (flat circular and annular plates, conical and
hemispherical caps). For a design and a material from its editable
materials database it computes the stresses, deflections, failure
pressures and weights over a table of pressures or water depths, and
prints or saves the result as a report. The command-line program
tidewell-cli writes the same report without a display.")
# GPL-3.0-or-later: the package's copyright file names it (Debian ships the text itself).
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_RPM_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Directories such as /usr/share/icons belong to other packages; the package owns only its files.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
