# The Debian package: `cmake --build BUILD_DIR --target package` (or cpack in BUILD_DIR)
# writes tesselo_VERSION_ARCH.deb there. It holds the install component "program" only
# (the editor, the preview's helper, the desktop entry and the icons), under /usr; the
# tests, the benchmarks and the tools are never installed. Its dependencies are read from
# the programs themselves by dpkg-shlibdeps (from dpkg-dev).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesselo)
set(CPACK_PACKAGE_VENDOR Velmor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmor <tesselo@velmor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "visual editor for CSS style sheets")
# The synopsis is the summary above; this is the long description under it.
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Tesselo opens a CSS style sheet, lists its rules by selector and edits the"
       "chosen rule through a panel of visual controls, changing only the declarations"
       "a control sets. A live preview shows your own page with the sheet as it stands.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Only the program's component, in one package named as the project's.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_PACKAGE_NAME tesselo)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The pictures of the window and the panel are SVGs, which the toolkit draws through
# plug-ins the programs do not link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The Russian texts of the toolkit's own buttons and a complete icon theme: the program
# runs without them, with English buttons and fallback icons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, adwaita-icon-theme")

include(CPack)
