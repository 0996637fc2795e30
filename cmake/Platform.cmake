# Platform-dependent parts of the program. On Windows: the resource script
# with the program icon, the version information, the logo and the manifest.

set(CHENGXI_APP_ICO "${PROJECT_SOURCE_DIR}/assets/app.ico")
set(CHENGXI_ASSETS_DIR "${PROJECT_SOURCE_DIR}/assets")
# The logo as drawn for each scale of the screen (app/core/form1_layout.h):
# the picture at 100 %, then the drawings for 125, 150, 200 and 300 %.
set(CHENGXI_LOGO_FILES
    "${CHENGXI_ASSETS_DIR}/logo.jpg"
    "${CHENGXI_ASSETS_DIR}/logo-125.png"
    "${CHENGXI_ASSETS_DIR}/logo-150.png"
    "${CHENGXI_ASSETS_DIR}/logo-200.png"
    "${CHENGXI_ASSETS_DIR}/logo-300.png")
set(CHENGXI_WINDOWS_MANIFEST "${PROJECT_SOURCE_DIR}/packaging/windows/chengxi-water.manifest")

# Configured on every platform, so that the tests can compile it with a
# cross resource compiler; built into the program on Windows only.
set(CHENGXI_WINDOWS_RC "${PROJECT_BINARY_DIR}/packaging/chengxi-water.rc")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/chengxi-water.rc.in"
    "${CHENGXI_WINDOWS_RC}" @ONLY)

if(WIN32)
    enable_language(RC)
endif()

# chengxi_add_windows_resources(<target>): links the program's resources
# into <target>: the program itself, and the tests that open its window.
function(chengxi_add_windows_resources target)
    target_sources(${target} PRIVATE "${CHENGXI_WINDOWS_RC}")
    # The resource compiler does not report the files it includes.
    set_source_files_properties("${CHENGXI_WINDOWS_RC}" TARGET_DIRECTORY ${target}
        PROPERTIES OBJECT_DEPENDS "${CHENGXI_APP_ICO};${CHENGXI_LOGO_FILES};${CHENGXI_WINDOWS_MANIFEST}")
endfunction()
