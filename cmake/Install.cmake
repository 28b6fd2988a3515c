# What "cmake --install" puts in place (default prefix /usr/local, DESTDIR
# honoured) and the Debian package "cpack -G DEB" makes of it (into /usr).
include(GNUInstallDirs)

install(TARGETS taleno RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/desktop/taleno.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/desktop/org.taleno.Taleno.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY res/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_PACKAGE_NAME taleno)
set(CPACK_PACKAGE_VENDOR "Taleno")
set(CPACK_PACKAGE_CONTACT "Taleno developers <taleno@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Light media player driven by the MPlayer engine")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# The libraries' packages come from dpkg-shlibdeps; the engine is run, not
# linked, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS mplayer)
include(CPack)
