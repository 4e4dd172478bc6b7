# The Debian package of the installed layout (scripts/package builds it):
# the programs, the engine library, the manuals, the examples and the
# desktop entry under /usr. Its dependencies come from the programs'
# libraries (dpkg-shlibdeps); libqt6svg6 among them also brings the SVG icon
# engine that draws the icons.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bormek)
set(CPACK_PACKAGE_VENDOR Talvex)
set(CPACK_PACKAGE_CONTACT "Talvex <bormek@talvex.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Axial capacity and load-settlement analysis of drilled shafts")
set(CPACK_PACKAGE_DESCRIPTION
    "Bormek designs drilled shafts (bored, cast-in-place concrete piles, straight or belled) for
axial load in layered soil and rock: side, tip and total capacity for every shaft length and a
range of trial diameters, allowable (ASD) or factored (LRFD) capacity, and load-settlement curves.
The package holds the desktop program bormek, the command-line runner bormek-run, the analysis
engine, the user and technical manuals and example projects.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.talvex.com/bormek)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A desktop's platform theme gives the native file dialogs and its icons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme | qt6-xdgdesktopportal-platformtheme")
include(CPack)
