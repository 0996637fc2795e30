# The program's installation: the executable, and on Linux and the BSDs the
# desktop entry, the icons, the AppStream metainfo, the manual page, the
# changelog and the copyright file.

# Who maintains the packages: the Maintainer field of the Debian package and
# the signature of the changelog. Without an address known, the maker's name.
set(CHENGXI_PACKAGE_MAINTAINER "山东澄溪水处理设备有限公司"
    CACHE STRING "The packages' maintainer, as \"Name <address>\"")
if(CHENGXI_PACKAGE_MAINTAINER MATCHES "[<>@]"
        AND NOT CHENGXI_PACKAGE_MAINTAINER MATCHES "^[^<>@]*[^<>@ ] <[^<>@ ]+@[^<>@ ]+>$")
    message(FATAL_ERROR "CHENGXI_PACKAGE_MAINTAINER is '${CHENGXI_PACKAGE_MAINTAINER}'; "
        "give a name alone or \"Name <address>\"")
endif()

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

    # A stripped install (the Debian package's) drops the .comment section
    # too, as Debian's own packages do: the compilers' version strings, of no
    # use to anyone running the program.
    if(CMAKE_OBJCOPY)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:chengxi-water>\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()")
    endif()

    # The manual page and the changelog of this native package, compressed as
    # Debian ships them: gzip -9n stores no file name or time stamp, so every
    # build makes the same bytes. The changelog is signed by the packages'
    # maintainer.
    find_program(CHENGXI_GZIP gzip REQUIRED)
    mark_as_advanced(CHENGXI_GZIP)
    if(CHENGXI_PACKAGE_MAINTAINER MATCHES "<")
        set(CHENGXI_CHANGELOG_MAINTAINER "${CHENGXI_PACKAGE_MAINTAINER}")
    else()
        set(CHENGXI_CHANGELOG_MAINTAINER "${CHENGXI_PACKAGE_MAINTAINER} <>")
    endif()
    set(doc_build_dir "${PROJECT_BINARY_DIR}/packaging/doc")
    configure_file("${PROJECT_SOURCE_DIR}/packaging/linux/changelog.in"
        "${doc_build_dir}/changelog" @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/packaging/linux/${CHENGXI_APP_NAME}.1.in"
        "${doc_build_dir}/${CHENGXI_APP_NAME}.1" @ONLY)
    set(compressed_docs "")
    foreach(doc IN ITEMS changelog ${CHENGXI_APP_NAME}.1)
        add_custom_command(
            OUTPUT "${doc_build_dir}/${doc}.gz"
            COMMAND "${CHENGXI_GZIP}" -9nkf "${doc}"
            DEPENDS "${doc_build_dir}/${doc}"
            WORKING_DIRECTORY "${doc_build_dir}"
            COMMENT "Compressing ${doc}"
            VERBATIM)
        list(APPEND compressed_docs "${doc_build_dir}/${doc}.gz")
    endforeach()
    add_custom_target(chengxi_docs ALL DEPENDS ${compressed_docs})

    install(FILES "${doc_build_dir}/changelog.gz"
        "${PROJECT_SOURCE_DIR}/packaging/linux/copyright"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${CHENGXI_APP_NAME}")
    install(FILES "${doc_build_dir}/${CHENGXI_APP_NAME}.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    unset(compressed_docs)
    unset(doc_build_dir)
endif()
