# Debian packages from the build folder: cpack -G DEB. Two packages from the install components:
# pictova (the game) and pictova-server (the server alone, with no GUI libraries). Dependencies
# are read from the binaries by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_PACKAGE_NAME pictova)
set(CPACK_PACKAGE_VENDOR "The Pictova developers")
set(CPACK_PACKAGE_CONTACT "The Pictova developers <maintainers@pictova.net>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pictova.net/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL game server)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME pictova)
set(CPACK_COMPONENT_GAME_DESCRIPTION "drawing and guessing party game
Up to ten players take turns drawing a secret word or phrase on a shared board while the
others type guesses; five more may watch. Each copy is a game window; the hosting copy also
runs the game server.")
# The pictures are drawn with this font; the shared libraries do not say so.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "fonts-dejavu-core")
# Players' names and chat may hold emoji, which the text fonts do not draw; Qt's own dialogs
# (the word folder's file dialog) speak the chosen language with Qt's translations.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "fonts-noto-color-emoji, qt6-translations-l10n")

set(CPACK_DEBIAN_SERVER_PACKAGE_NAME pictova-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION games)
set(CPACK_COMPONENT_SERVER_DESCRIPTION "game server for Pictova, without a window
Hosts a Pictova game on a machine without a screen, for players who join from their game
windows over the internet. Comes with a hardened systemd unit.")

include(CPack)
