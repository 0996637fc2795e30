# The Windows installer, made with NSIS (makensis, Debian package nsis) from
# packaging/windows/installer.nsi.in: the target `installer`, part of the
# default build, writes <app name>-<project version>-win64.exe at the top of
# the build directory.

find_program(CHENGXI_MAKENSIS makensis)
mark_as_advanced(CHENGXI_MAKENSIS)
if(NOT CHENGXI_MAKENSIS)
    message(FATAL_ERROR "makensis not found: the Windows installer is built with NSIS "
        "(Debian package nsis; scripts/install-deps.sh windows installs it)")
endif()

set(CHENGXI_INSTALLER_NAME "${CHENGXI_APP_NAME}-${PROJECT_VERSION}-win64.exe")
set(CHENGXI_INSTALLER_FILE "${PROJECT_BINARY_DIR}/${CHENGXI_INSTALLER_NAME}")
# VIProductVersion takes four numbers, dotted.
string(REPLACE "," "." CHENGXI_INSTALLER_VERSION "${CHENGXI_WINDOWS_VERSION}")
# The program goes in as built; its path is known at generation time only.
set(CHENGXI_PROGRAM_EXE "$<TARGET_FILE:chengxi-water>")

set(template "${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi.in")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${template}")
file(READ "${template}" nsi)
string(CONFIGURE "${nsi}" nsi @ONLY)
set(nsi_file "${PROJECT_BINARY_DIR}/packaging/installer.nsi")
file(GENERATE OUTPUT "${nsi_file}" CONTENT "${nsi}")

set(makensis_options -V2 -INPUTCHARSET UTF8)
if(CHENGXI_WARNINGS_AS_ERRORS)
    list(APPEND makensis_options -WX)
endif()

add_custom_command(
    OUTPUT "${CHENGXI_INSTALLER_FILE}"
    COMMAND "${CHENGXI_MAKENSIS}" ${makensis_options} "${nsi_file}"
    DEPENDS "${nsi_file}" chengxi-water "${CHENGXI_APP_ICO}"
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
    COMMENT "Building the Windows installer ${CHENGXI_INSTALLER_NAME}"
    VERBATIM)
add_custom_target(installer ALL DEPENDS "${CHENGXI_INSTALLER_FILE}")
# For the tests, which are set up before this file is read.
set_target_properties(installer PROPERTIES CHENGXI_INSTALLER_FILE "${CHENGXI_INSTALLER_FILE}")

unset(template)
unset(nsi)
unset(nsi_file)
unset(makensis_options)
