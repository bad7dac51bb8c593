# Installation as a desktop program, and the Debian package made from it by CPack.
#
# The program finds its pages in the `data` folder beside its executable, so both go to a
# private directory (lib/<package>/); a symbolic link on the PATH starts it from there, and
# the program resolves its own path through the link. The desktop entry starts the link, so
# the window's class (taken from the name it was started by) is the link's name, which the
# entry gives as StartupWMClass.
include(GNUInstallDirs)

set(GUIDE_PACKAGE_NAME "kuaiji-jichu" CACHE STRING "Package, launcher and private folder name")
set(GUIDE_APP_ID "com.example.kuaiji_jichu" CACHE STRING
    "Desktop application id (desktop entry, icon and metainfo names)")
set(GUIDE_INSTALL_PRIVATEDIR "lib/${GUIDE_PACKAGE_NAME}" CACHE STRING
    "Folder, relative to the prefix, that holds the program and its pages")
set(GUIDE_SCREENSHOT_URL "https://${GUIDE_HOME_HOST}/screenshots/main-window.png" CACHE STRING
    "Address of the screenshot that software centres show")

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(generated ${CMAKE_BINARY_DIR}/packaging)

# Everything the program links besides the system's libraries is linked in statically, so the
# installed program needs no search path of its own.
set_target_properties(Project2 PROPERTIES INSTALL_RPATH "")
install(TARGETS Project2 RUNTIME DESTINATION ${GUIDE_INSTALL_PRIVATEDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${GUIDE_INSTALL_PRIVATEDIR}/data)

# The launcher: a relative link, so that the tree works under any prefix and DESTDIR.
file(RELATIVE_PATH launcher_target "/${CMAKE_INSTALL_BINDIR}"
    "/${GUIDE_INSTALL_PRIVATEDIR}/Project2")
install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${GUIDE_PACKAGE_NAME}\")
    message(STATUS \"Installing: \${link} -> ${launcher_target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${launcher_target}\" \"\${link}\" SYMBOLIC)
")

configure_file(${packaging}/guide.desktop.in ${generated}/${GUIDE_APP_ID}.desktop @ONLY)
configure_file(${packaging}/guide.metainfo.xml.in ${generated}/${GUIDE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${generated}/${GUIDE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${GUIDE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/desktop/guide-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${GUIDE_APP_ID}.png)
    # The same icon for high-density screens, twice the pixels.
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/desktop/guide-${size}@2x.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps
        RENAME ${GUIDE_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${GUIDE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(GUIDE_MAINTAINER "Study guide maintainers <guide@example.com>" CACHE STRING
    "Maintainer named in the Debian package")
set(CPACK_PACKAGE_CONTACT "${GUIDE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Study guide for the accounting qualification examination (accounting basics)")
set(CPACK_PACKAGE_DESCRIPTION
    "Key-point summaries of the ten chapters of the subject accounting basics of the Chinese
accounting qualification examination, eight past papers with answers and explanations, and
the examination guide, read in one window with a chapter tree. The pages are in Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${GUIDE_HOME_HOST}")
# Libraries come from what the program links; the rest it needs at run time is not linked:
# the X11 platform plugin (only recommended by Qt's GUI library) and the fonts that the
# layouts name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-arphic-uming, fonts-dejavu-core, fonts-dejavu-extra, fonts-croscore")
include(CPack)
