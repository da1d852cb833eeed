# SPDX-License-Identifier: GPL-3.0-or-later
# Everything an installed Kalkora needs besides its binary (which src/app
# installs): the menu entry, the AppStream metainfo for software centres, the
# icons, each in its freedesktop.org place, the manual page and NEWS; and a
# Debian package of it all (cpack -G DEB).

set(KALKORA_APP_ID org.kalkora.Kalkora)
set(KALKORA_MAINTAINER "Kalkora maintainers <maintainers@kalkora.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(_data ${PROJECT_SOURCE_DIR}/data)
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(_doc ${CMAKE_INSTALL_DATAROOTDIR}/doc/kalkora)
install(FILES ${_data}/${KALKORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The version, defined once in the project() call, goes into the metainfo's
# release, the manual page and the change log as they are configured.
configure_file(${_data}/${KALKORA_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${KALKORA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${KALKORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32)
    install(FILES ${_data}/icons/kalkora-${size}.png
            DESTINATION ${_icons}/${size}x${size}/apps RENAME kalkora.png)
endforeach()
install(FILES ${_data}/icons/kalkora.svg DESTINATION ${_icons}/scalable/apps)
configure_file(${_data}/kalkora.1 ${PROJECT_BINARY_DIR}/kalkora.1 @ONLY)
execute_process(COMMAND date -u -R -d ${KALKORA_RELEASE_DATE} OUTPUT_VARIABLE KALKORA_RELEASE_STAMP
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${_data}/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)

# A plain install leaves the manual page and NEWS uncompressed: compressing
# them is the job of whoever packages it (in Debian, dh_compress). The .deb
# made here is such a package, so it takes, instead of those two, copies
# compressed as Debian keeps them (gzip -9, no time stamp), and the files only
# a Debian package has: the change log in Debian's format and the DEP-5
# copyright file. CPack builds it from the components named below, which
# leaves out "plain"; a plain install takes every component but "debian".
install(FILES ${PROJECT_BINARY_DIR}/kalkora.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT plain)
install(FILES ${PROJECT_SOURCE_DIR}/NEWS DESTINATION ${_doc} COMPONENT plain)
foreach(plain ${PROJECT_BINARY_DIR}/kalkora.1 ${PROJECT_BINARY_DIR}/changelog ${PROJECT_SOURCE_DIR}/NEWS)
    get_filename_component(_name ${plain} NAME)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${_name}.gz
                       COMMAND gzip -9n -c ${plain} > ${PROJECT_BINARY_DIR}/${_name}.gz
                       DEPENDS ${plain} VERBATIM)
    list(APPEND _compressed ${PROJECT_BINARY_DIR}/${_name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${_compressed})
install(FILES ${PROJECT_BINARY_DIR}/kalkora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/NEWS.gz ${_data}/copyright
        DESTINATION ${_doc} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_COMPONENTS_ALL program Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

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
# The libraries the binary links (the Qt 6 runtime; its xcb platform plugin
# comes with Qt's GUI library) as dpkg-shlibdeps finds them, under the names
# of the release it is built on; besides them the font that stands in for MS
# Sans Serif. Qt's Hungarian texts give the exit question its Igen/Nem, but
# the program runs without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
