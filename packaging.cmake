include(GNUInstallDirs)

if(UNIX AND NOT APPLE)
    install(FILES res/quillon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/com.brenvik.quillon.metainfo.xml)
    configure_file(res/com.brenvik.quillon.metainfo.xml.in ${metainfo} @ONLY)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES res/icons/quillon-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME quillon.png)
    endforeach()

    # The manual page and the changelog go compressed as Debian has them: gzip -9, without the
    # name and time stamp that would make every build differ.
    file(STRINGS res/debian/changelog changelog_head LIMIT_COUNT 1)
    if(NOT changelog_head MATCHES "^quillon \\(${PROJECT_VERSION}\\) ")
        message(FATAL_ERROR "res/debian/changelog has no entry for version ${PROJECT_VERSION}")
    endif()
    configure_file(res/quillon.1.in quillon.1 @ONLY)
    find_program(GZIP gzip REQUIRED)
    set(compressed)
    foreach(file ${CMAKE_CURRENT_BINARY_DIR}/quillon.1 ${PROJECT_SOURCE_DIR}/res/debian/changelog)
        get_filename_component(name ${file} NAME)
        add_custom_command(OUTPUT ${name}.gz
            COMMAND ${GZIP} -9n -c ${file} > ${name}.gz
            DEPENDS ${file}
            VERBATIM)
        list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    endforeach()
    add_custom_target(compressed_docs ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz res/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
endif()

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR Brenvik)
set(CPACK_PACKAGE_CONTACT "Brenvik <support@brenvik.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillon gets readings from a serial instrument (a caliper, a scale, a barcode\n"
    "scanner, a lab device) straight into the program you are working in. It\n"
    "opens a serial port, collects what the instrument sends, and at each line end\n"
    "either types it into whichever application has the keyboard focus, or shows\n"
    "it in its own data log, from where command lines can be sent to the device.\n"
    "\n"
    "It types on X11 through XTest, and on Wayland through the compositor's virtual\n"
    "keyboard or the remote desktop portal. One small window; no settings, no\n"
    "configuration files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, so that the boxes' buttons speak the user's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qttranslations5-l10n)
include(CPack)
