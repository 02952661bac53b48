# SPDX-License-Identifier: MIT
# A Debian package (Debian 12, Ubuntu) of what `cmake --install` installs: `cpack -G DEB` in
# the build folder, which scripts/package.sh runs. Its dependencies are read by dpkg-shlibdeps
# from the libraries the binary links, so it installs without the build's -dev packages; what
# runs beside the binary rather than inside it is named here.
set(QUAYLIN_PACKAGE_MAINTAINER "Quaylin developers <developers@quaylin.app>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quaylin)
set(CPACK_PACKAGE_VENDOR Quaylin)
set(CPACK_PACKAGE_CONTACT "${QUAYLIN_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Git, deployments and a kanban board for every project, in the system tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Quaylin keeps an eye on the many small projects of one developer: the local git state of
each folder, the latest Netlify or Vercel deployments, open pull requests and CI checks on
GitHub, and a kanban board of tasks for every project.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The git reader runs git; Qt finds its Wayland platform plugin at run time (without it a
# Wayland session falls back to XWayland); tokens need a Secret Service.
set(CPACK_DEBIAN_PACKAGE_DEPENDS git)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, gnome-keyring | kwalletmanager")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS fonts-noto-color-emoji)
include(CPack)
