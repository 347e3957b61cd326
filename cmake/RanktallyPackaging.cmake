# A .deb that installs into /usr, with its dependencies read off the binary's shared libraries.
set(CPACK_PACKAGE_NAME ranktally)
set(CPACK_PACKAGE_VENDOR "Ranktally developers")
set(CPACK_PACKAGE_CONTACT "Ranktally developers <developers@ranktally.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "work out the points, hours and days a level climb takes")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without the first a Wayland session without XWayland cannot show the window; the second has
# Qt's own texts (a text box's menu) in the program's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The extended description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ranktally is a one-window calculator for a game whose characters climb from
level 1 to level 220. Pick the current level, the target level and the hours
played a day, type the points earned an hour, and it shows at once the points
the climb takes, the hours of play and the days. A climb that crosses level
200 shows a warning, since the levels above cost SK points instead of XP.")

include(CPack)
