# The program's installation: the executable, and on Linux and the BSDs the desktop entry, the icons and the AppStream metainfo.

include(GNUInstallDirs)

install(TARGETS chengxi-water RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

if(UNIX AND NOT APPLE)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/linux/${CHENGXI_APP_NAME}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

    # Every size the butterfly is drawn at (assets/README.md), so menus and
    # software centres never have to scale one up.
    foreach(size IN ITEMS 16 32 48 64 128 256)
        install(FILES "${PROJECT_SOURCE_DIR}/assets/icon-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME "${CHENGXI_APP_NAME}.png")
    endforeach()

    configure_file("${PROJECT_SOURCE_DIR}/packaging/linux/${CHENGXI_APP_NAME}.metainfo.xml.in"
        "${PROJECT_BINARY_DIR}/packaging/${CHENGXI_APP_NAME}.metainfo.xml"
        @ONLY)
    install(FILES "${PROJECT_BINARY_DIR}/packaging/${CHENGXI_APP_NAME}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
endif()
