# SPDX-License-Identifier: GPL-3.0-or-later
# Everything an installed Kalkora needs besides its binary (which src/app
# installs): the menu entry, the AppStream metainfo for software centres, the
# icons, each in its freedesktop.org place, the manual page, and the licence
# and changes in the documentation folder; and a Debian package of it all
# (cpack -G DEB).

set(KALKORA_APP_ID org.kalkora.Kalkora)
set(KALKORA_MAINTAINER "Kalkora maintainers <maintainers@kalkora.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${_data}/kalkora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The version, defined once in the project() call, goes into the metainfo's
# release and the manual page as they are configured.
configure_file(${_data}/${KALKORA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${KALKORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${KALKORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${_data}/kalkora.1 ${PROJECT_BINARY_DIR}/kalkora.1 @ONLY)
# Debian keeps manual pages and change logs compressed, with no time stamp
# in the gzip header; the documentation folder is named after the package,
# and holds a Debian-style change log of the release besides NEWS.
set(_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/kalkora)
execute_process(COMMAND date -u -R -d ${KALKORA_RELEASE_DATE} OUTPUT_VARIABLE KALKORA_RELEASE_STAMP
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${_data}/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
foreach(plain ${PROJECT_BINARY_DIR}/kalkora.1 ${PROJECT_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/NEWS)
    get_filename_component(_name ${plain} NAME)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${_name}.gz
                       COMMAND gzip -9n -c ${plain} > ${PROJECT_BINARY_DIR}/${_name}.gz
                       DEPENDS ${plain} VERBATIM)
    list(APPEND _compressed ${PROJECT_BINARY_DIR}/${_name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${_compressed})
install(FILES ${PROJECT_BINARY_DIR}/kalkora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/NEWS.gz DESTINATION ${_doc})
install(FILES ${_data}/copyright DESTINATION ${_doc})
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
