# Installation into a prefix and the Debian package. The application id names the desktop entry,
# the AppStream metainfo and the icon alike, as desktop environments expect.
include(GNUInstallDirs)

set(TABLOOM_APP_ID org.tabloom.Tabloom)
set(TABLOOM_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS tabloom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/${TABLOOM_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${TABLOOM_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/tabloom.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TABLOOM_APP_ID}.svg)
foreach(size ${TABLOOM_ICON_SIZES})
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/tabloom-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TABLOOM_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabloom)
set(CPACK_PACKAGE_VENDOR "The Tabloom developers")
set(CPACK_PACKAGE_CONTACT "The Tabloom developers <developers@tabloom.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn a hand-typed table into a browsable web database")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# dpkg-shlibdeps finds the libraries the binary links (Qt Core, Gui, Widgets, the C++ runtime);
# the platform plugin that draws the window is loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
