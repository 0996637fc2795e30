# Platform-dependent parts of the program. On Windows: the resource script
# with the program icon and the version information.

set(CHENGXI_APP_ICO "${PROJECT_SOURCE_DIR}/assets/app.ico")

# FILEVERSION and PRODUCTVERSION take four numbers; parts the project's
# version leaves out count as 0.
set(CHENGXI_WINDOWS_VERSION ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR}
    ${PROJECT_VERSION_PATCH} ${PROJECT_VERSION_TWEAK})
list(LENGTH CHENGXI_WINDOWS_VERSION parts)
while(parts LESS 4)
    list(APPEND CHENGXI_WINDOWS_VERSION 0)
    math(EXPR parts "${parts} + 1")
endwhile()
unset(parts)
list(JOIN CHENGXI_WINDOWS_VERSION "," CHENGXI_WINDOWS_VERSION)

# Configured on every platform, so that the tests can compile it with a
# cross resource compiler; built into the program on Windows only.
set(CHENGXI_WINDOWS_RC "${PROJECT_BINARY_DIR}/packaging/chengxi-water.rc")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/chengxi-water.rc.in"
    "${CHENGXI_WINDOWS_RC}" @ONLY)

if(WIN32)
    enable_language(RC)
    target_sources(chengxi-water PRIVATE "${CHENGXI_WINDOWS_RC}")
    # The resource compiler does not report the icon as a dependency.
    set_source_files_properties("${CHENGXI_WINDOWS_RC}" TARGET_DIRECTORY chengxi-water
        PROPERTIES OBJECT_DEPENDS "${CHENGXI_APP_ICO}")
endif()
