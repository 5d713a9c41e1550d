# The web edition's site, when scripts/web.sh built it before this tree was
# configured: served as it is, from /usr/share/quintara/web.
include(GNUInstallDirs)
set(QUINTARA_WEB_SITE ${PROJECT_SOURCE_DIR}/build-web/site CACHE PATH "The built web edition to ship")
if(EXISTS ${QUINTARA_WEB_SITE}/quintara.wasm)
    install(DIRECTORY ${QUINTARA_WEB_SITE}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quintara/web)
endif()

# `cpack -G DEB` in a build directory makes quintara_<version>_<arch>.deb from
# the install rules; dpkg-shlibdeps works out the library dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quintara developers")
set(CPACK_PACKAGE_CONTACT "The Quintara developers <quintara@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact odds calculator for five-card draw poker")
# Lines under 80 columns, as Debian wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quintara names the five-card draw poker hand you were dealt, advises what\n"
    "to discard and shows the exact probability and odds that one opponent, and\n"
    "at least one of up to five opponents, holds each formation above yours,\n"
    "then does the same for your final hand. Every figure is exact\n"
    "combinatorics over the cards you have not seen.\n"
    ".\n"
    "The package holds the desktop program (Qt 6), the command-line tool\n"
    "quintara-odds, which answers one hand or a stream of them as text or JSON,\n"
    "and the web edition: the same engine compiled to WebAssembly, with its page.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A calculator, not a game: its programs belong in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
