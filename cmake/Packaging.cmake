# Everything an installed Kalkora needs besides its binary (which src/app
# installs): the menu entry, the AppStream metainfo for software centres and the
# icons, each in its freedesktop.org place; and a Debian package of it all
# (cpack -G DEB).

set(KALKORA_APP_ID org.kalkora.Kalkora)
set(KALKORA_MAINTAINER "Kalkora maintainers <maintainers@kalkora.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${_data}/kalkora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_data}/${KALKORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32)
    install(FILES ${_data}/icons/kalkora-${size}.png
            DESTINATION ${_icons}/${size}x${size}/apps RENAME kalkora.png)
endforeach()
install(FILES ${_data}/icons/kalkora.svg DESTINATION ${_icons}/scalable/apps)

set(CPACK_PACKAGE_NAME kalkora)
set(CPACK_PACKAGE_VENDOR "Kalkora")
set(CPACK_PACKAGE_CONTACT "${KALKORA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic trainer for children, in Hungarian")
set(CPACK_PACKAGE_DESCRIPTION
    "Kalkora gyakorló poses addition, subtraction, missing-number, multiplication\n\
and division problems within limits set on each page, checks the typed answer\n\
at once and keeps count of right and wrong answers. Its texts are Hungarian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KALKORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 runtime (its xcb platform plugin comes with libqt6gui6), the font
# that stands in for MS Sans Serif, and Qt's Hungarian texts for the Yes/No of
# the exit question.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
fonts-liberation2, qt6-translations-l10n")
include(CPack)
