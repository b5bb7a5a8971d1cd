# Installation into the freedesktop places, and the Debian package.
#
#   cmake --install build --prefix /usr/local     the program, its desktop entry,
#                                                  icons, metainfo and help
#   cpack --config build/CPackConfig.cmake -G DEB  tesmark_<version>_<arch>.deb
include(GNUInstallDirs)

# The application's id: names the desktop entry, the icon and the metainfo.
set(TESMARK_APP_ID io.github.corvane.Tesmark)

install(TARGETS tesmark tesmark-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/${TESMARK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/${TESMARK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# scripts/make_images.py draws the theme's files: an SVG and PNGs from 16 to 256 pixels.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tesmark)

# The help book: every file below resources/help/ goes, as it is, to this
# folder (relative to the prefix). The .deb installs below /usr and a source
# install below any --prefix, so the program looks for it relative to its own
# folder: TESMARK_HELPDIR_FROM_BINDIR (e.g. "../share/tesmark/help") is ready
# to be given to a target as a compile definition.
set(TESMARK_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/tesmark/help CACHE STRING
    "Where the help book is installed, relative to the prefix")
file(RELATIVE_PATH TESMARK_HELPDIR_FROM_BINDIR /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${TESMARK_INSTALL_HELPDIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/help)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${TESMARK_INSTALL_HELPDIR})
endif()

# --- Debian package -------------------------------------------------------
set(TESMARK_PACKAGE_MAINTAINER "Corvane <tesmark@corvane.invalid>" CACHE STRING
    "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmark)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_CONTACT ${TESMARK_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "double-sided slide rule with a digital readout")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/corvane/tesmark)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "double-sided slide rule with a digital readout
 Tesmark simulates a double-sided slide rule at its true drawn scale, seen
 through three views: around the slide's left index, under the cursor glass
 and around the slide's right index. Beside each view a readout box prints
 the value every scale reads there to six or seven significant digits.
 .
 The package holds the simulator, tesmark, and its command-line companion,
 tesmark-cli, which exposes the rule model to scripts.")
# The Qt libraries (and the C++ runtime) come from what the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The rule is lettered in Arial, which fontconfig maps to Liberation Sans (the
# same widths); the Japanese interface needs a CJK face; a Wayland session
# runs the program natively with Qt's Wayland plugin, through XWayland without.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
