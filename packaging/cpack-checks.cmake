# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT

# Read by cpack before it makes a package. Without dpkg-shlibdeps, CPack would make a Debian
# package that depends on nothing, which installs without Qt and cannot start; stop instead.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
    find_program(KORVANTA_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT KORVANTA_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps is missing (Debian package dpkg-dev). Without it the "
                "package would have no Depends and would not start where Qt is not installed. "
                "Install dpkg-dev and run cpack again.")
    endif()
endif()
