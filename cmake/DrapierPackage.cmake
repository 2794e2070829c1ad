# The Debian package, built by scripts/package through "cpack -G DEB". Its dependencies are the
# libraries dpkg-shlibdeps finds the programs linked to, plus Qt's platform plugins, which Qt loads at
# run time, so no linker sees them.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drapier)
set(CPACK_PACKAGE_VENDOR "The Drapier developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skin designer for Pinlets sticky notes")
# The long description as it stands in the package's control file, lines of at most 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Drapier is the skin designer of Pinlets, a desktop sticky-note program. A skin\n"
  "is one source picture and a skin file that says how pieces of that picture are\n"
  "repeated, tiled, placed and switched on a note of any size. Drapier builds that\n"
  "file visually, previews the note live in simulated note states, saves skin\n"
  "files and exports .qsk skin packages.\n"
  "\n"
  "The package also holds drapier-cli, a headless tool over the same core that\n"
  "dumps, converts, packs, lists, measures and renders skins for scripts and batch\n"
  "work.")
set(CPACK_PACKAGE_CONTACT "The Drapier developers <drapier@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://drapier.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
