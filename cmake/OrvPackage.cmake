# The Debian package: `cmake --build build --target package` writes build/orvella_<version>_<arch>.deb
# from what `cmake --install` puts under /usr. Its Depends come from dpkg-shlibdeps; the Czech
# dictionary, Qt's Czech texts and the Wayland platform are recommended, not required.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvella developers <vyvojari@orvella.cz>")
set(CPACK_PACKAGE_VENDOR "Orvella")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Czech calendar and diary with a note for every day")
set(CPACK_PACKAGE_DESCRIPTION
  "Orvella 2 keeps a short note and a formatted commentary for every day,
a commentary for every month, Czech name days and holidays, and
character and paragraph styles in one calendar file. It searches with
boolean expressions and masks, exports to text, RTF and PDF, and
encrypts a calendar on request. The package also holds orv, the
command-line tool over the same calendar files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvella.cz/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# orv-qt.so is a module orv opens itself: its dependencies are found like those of the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/src)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-cs, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's own documents of the package: the machine-readable copyright and the changelog (of a
# native package: no Debian revision), compressed as Debian's tools do (no name or time in it).
set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog_gz}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvella)

include(CPack)
