# What "cmake --install" puts in place (default prefix /usr/local, DESTDIR
# honoured) and the Debian package "cpack -G DEB" makes of it (into /usr).
include(GNUInstallDirs)

install(TARGETS taleno RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/desktop/taleno.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/desktop/org.taleno.Taleno.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY res/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual page and the package's changelog, compressed as Debian keeps
# them (no name or time stamp in the gzip header, so builds are the same);
# the copyright file beside the changelog.
set(taleno_docs ${PROJECT_BINARY_DIR}/docs)
add_custom_command(
  OUTPUT ${taleno_docs}/taleno.1.gz ${taleno_docs}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${taleno_docs}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/res/man/taleno.1 > ${taleno_docs}/taleno.1.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/res/debian/changelog > ${taleno_docs}/changelog.Debian.gz
  DEPENDS res/man/taleno.1 res/debian/changelog)
add_custom_target(taleno_docs ALL DEPENDS ${taleno_docs}/taleno.1.gz ${taleno_docs}/changelog.Debian.gz)
install(FILES ${taleno_docs}/taleno.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES res/debian/copyright ${taleno_docs}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/taleno)

set(CPACK_PACKAGE_NAME taleno)
set(CPACK_PACKAGE_VENDOR "Taleno")
set(CPACK_PACKAGE_CONTACT "Taleno developers <developers@taleno.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Light media player driven by the MPlayer engine")
# The package's long description, below the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Taleno plays video and audio files, playlists and network streams. It does
no decoding of its own: the MPlayer engine runs as a hidden child process
and draws into Taleno's window, while Taleno gives it menus and shortcuts, a
toolbar with a volume slider, a seek bar, a status panel, a playlist window,
clip properties and preferences.
.
It remembers where each clip was left off, keeps the screen saver away while
playing, runs user commands on F1 to F8, answers the desktop's media keys and
media controls, and can shut the computer down after playback.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://taleno.org/)
# Not a native package: its revision is 1, with a Debian changelog to match.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The libraries' packages come from dpkg-shlibdeps; the engine is run, not
# linked, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS mplayer)
# Web video pages are played through yt-dlp when it is there; Qt's own
# dialogs speak the user's language with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "yt-dlp, qt6-translations-l10n")
include(CPack)
