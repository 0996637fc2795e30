# Packages, by CPack. On Linux a Debian package (`cpack -G DEB` in the build
# directory): chengxi-water_<project version>_<arch>.deb, installing under /usr
# what cmake/Install.cmake installs.

set(CPACK_PACKAGE_NAME "chengxi-water")
set(CPACK_PACKAGE_VENDOR "山东澄溪水处理设备有限公司")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${CHENGXI_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
澄溪水质查询系统: pick a province, a city and a district, and the window
shows the TDS value and the residual-chlorine value of the district's tap
water. The figures are built in; the program reads no files and uses no
network.]])
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CHENGXI_PACKAGE_MAINTAINER comes from cmake/Install.cmake, which signs the
# changelog with it.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CHENGXI_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")

# What the program needs at run time without linking to it: the two fonts the
# window puts in place of 宋体 and 华文新魏 (AR PL UMing and AR PL UKai). Qt's
# X11 platform plugin, on which the window opens on an X display and through
# XWayland, comes with libqt6gui6, one of the libraries below. (Debian 12's
# qt6-qpa-plugins holds only the VNC and TUIO plugins.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai")
# Qt's Wayland platform plugin: GNOME and KDE on Debian 12 start Wayland
# sessions, where without it the window runs through XWayland after a warning
# from Qt at every start, and where there is no XWayland not at all (the
# program then says to install it).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# The libraries it links to: from dpkg-shlibdeps (package dpkg-dev), which
# also finds the lowest versions that will do; without it, the Qt libraries at
# least at the version built against.
find_program(CHENGXI_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(CHENGXI_DPKG_SHLIBDEPS)
if(CHENGXI_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(qt_at_least "(>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR})")
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", libqt6widgets6 ${qt_at_least}, libqt6gui6 ${qt_at_least}, libqt6core6 ${qt_at_least}")
    unset(qt_at_least)
endif()

include(CPack)

if(CHENGXI_BUILD_TESTS)
    add_subdirectory(packaging/tests)
endif()
