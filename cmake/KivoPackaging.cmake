# Installation and packages: the program, its desktop entry, AppStream
# metadata and icons; a .deb here, an NSIS installer on Windows.
include(GNUInstallDirs)

set(KIVO_APP_ID "example.arvella.KivoLoveNumerology")
set(_res ${PROJECT_SOURCE_DIR}/resources)

if(UNIX AND NOT APPLE)
    install(FILES ${_res}/desktop/kivo-love-numerology.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    configure_file(${_res}/desktop/${KIVO_APP_ID}.metainfo.xml
                   ${CMAKE_BINARY_DIR}/generated/${KIVO_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/generated/${KIVO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(_size 16 24 32 48 64 128 256)
        install(FILES ${_res}/icons/kivo-${_size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
                RENAME kivo-love-numerology.png)
    endforeach()
    install(FILES ${_res}/icons/kivo.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME kivo-love-numerology.svg)
    # The licence, in Debian's machine-readable form.
    configure_file(${PROJECT_SOURCE_DIR}/packaging/debian-copyright.in
                   ${CMAKE_BINARY_DIR}/generated/copyright @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/generated/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kivo-love-numerology)
endif()

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/KivoWindowsDeploy.cmake)
endif()

set(CPACK_PACKAGE_NAME "kivo-love-numerology")
set(CPACK_PACKAGE_VENDOR "Arvella Softwares")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Numerological love compatibility of two people")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KIVO_PRODUCT_SITE}/")
set(CPACK_PACKAGE_CONTACT "Arvella Softwares <support@arvella.example>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Kivo Love Numerology")
set(CPACK_PACKAGE_EXECUTABLES "kivo-love-numerology" "Kivo Love Numerology")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # An installer, and the same folder as a portable .zip.
    set(CPACK_GENERATOR "NSIS;ZIP")
    set(CPACK_PACKAGE_FILE_NAME ${KIVO_WINDOWS_PACKAGE_NAME})
    set(CPACK_NSIS_PACKAGE_NAME "Kivo Love Numerology")
    set(CPACK_NSIS_DISPLAY_NAME "Kivo Love Numerology")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Kivo Love Numerology")
    set(CPACK_NSIS_MUI_ICON "${_res}/icons/kivo.ico")
    set(CPACK_NSIS_MUI_UNIICON "${_res}/icons/kivo.ico")
    # The program lies at the top of its folder, next to its libraries.
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "kivo-love-numerology.exe")
    set(CPACK_NSIS_URL_INFO_ABOUT "${KIVO_PRODUCT_SITE}/")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # Solid LZMA keeps the installer well under 12 MB.
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    if(CMAKE_CROSSCOMPILING)
        # A 64-bit installer: Debian's NSIS has its stubs, and the Wine that
        # tests it here runs 64-bit programs only. (NSIS for Windows makes
        # 32-bit installers, which Windows runs as well.)
        set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64.sh)
    endif()
else()
    set(CPACK_GENERATOR "DEB")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION "games")
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "Numerological love compatibility of two people\n Type two names and pick two birth dates; the program reduces each date to a\n Life Path number and each name to a Destiny number, pairs the numbers and\n shows a rating, a short reading and a long reading for each pair.")
    # dpkg-shlibdeps finds the Qt and C++ runtime packages the program needs.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Qt needs a platform plugin to open any window at all.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()

include(CPack)
