# Install rules and the Debian package. The program lands in bin/, the files
# that ship with it in share/numbrava (found as ../share/numbrava from the
# program, so the prefix can move), and the menu entry, icons and AppStream
# metainfo where the desktop looks for them.
include(GNUInstallDirs)

set(NUMBRAVA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/numbrava)
install(TARGETS numbrava RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/install/NUMBRAVA.HLP ${CMAKE_SOURCE_DIR}/install/tada.wav
              ${CMAKE_BINARY_DIR}/demo/pbk.rtl ${CMAKE_BINARY_DIR}/demo/million.rtl
              ${CMAKE_BINARY_DIR}/demo/pbk69.rtl ${CMAKE_BINARY_DIR}/demo/million70.rtl
        DESTINATION ${NUMBRAVA_SHARE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/install/wheels DESTINATION ${NUMBRAVA_SHARE_DIR}
        FILES_MATCHING PATTERN "*.whl")

set(NUMBRAVA_APP_ID org.numbrava.Numbrava)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${NUMBRAVA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${NUMBRAVA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/numbrava.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/numbrava-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME numbrava.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME numbrava)
set(CPACK_PACKAGE_VENDOR "Numbrava")
set(CPACK_PACKAGE_CONTACT "Numbrava developers <numbrava@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keep and check Powerball and Mega Millions lines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
