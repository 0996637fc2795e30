# Installs the build tree with prefix /usr into a fresh staging directory (as
# the Debian package does) and checks that exactly the expected files arrive,
# that the desktop entry, the icons and the metainfo refer to each other, and
# that every icon has the size its directory names.
#
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DCONFIG=... -DEXPECTED=a|b|...
#         -DBINDIR=bin -DDATADIR=share -DAPP_NAME=... -DICON_SIZES=16|32|...
#         -P check_install.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS BUILD_DIR STAGE_DIR EXPECTED BINDIR DATADIR APP_NAME ICON_SIZES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
string(REPLACE "|" ";" EXPECTED "${EXPECTED}")
string(REPLACE "|" ";" ICON_SIZES "${ICON_SIZES}")
include("${CMAKE_CURRENT_LIST_DIR}/icon_sizes.cmake")

set(errors "")
macro(fail text)
    string(APPEND errors "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${STAGE_DIR}")
set(config_args "")
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
set(ENV{DESTDIR} "${STAGE_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr ${config_args}
    RESULT_VARIABLE result)
unset(ENV{DESTDIR})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${STAGE_DIR}/usr")

# Exactly the expected files: nothing missing, nothing from the build tree
# (libraries, headers, test programs) coming along.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
file(GLOB_RECURSE outside LIST_DIRECTORIES false RELATIVE "${STAGE_DIR}" "${STAGE_DIR}/*")
list(FILTER outside EXCLUDE REGEX "^usr/")
foreach(file IN LISTS outside)
    fail("installed outside the prefix: /${file}")
endforeach()
foreach(file IN LISTS EXPECTED)
    if(NOT file IN_LIST installed)
        fail("missing: /usr/${file}")
    endif()
endforeach()
foreach(file IN LISTS installed)
    if(NOT file IN_LIST EXPECTED)
        fail("not expected: /usr/${file}")
    endif()
endforeach()

# The program, not a script or a placeholder. (The Debian package's test
# checks its permissions.)
set(program "${root}/${BINDIR}/${APP_NAME}")
if(EXISTS "${program}")
    file(READ "${program}" magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        fail("${program} is not an ELF file")
    endif()
endif()

# The desktop entry starts the installed program and names the installed icon.
set(desktop "${root}/${DATADIR}/applications/${APP_NAME}.desktop")
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" lines ENCODING UTF-8)
    set(exec "")
    set(icon "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^Exec=([^ ]+)")
            set(exec "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^Icon=(.+)$")
            set(icon "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(NOT exec STREQUAL APP_NAME)
        fail("desktop entry: Exec runs '${exec}', the program is installed as ${BINDIR}/${APP_NAME}")
    endif()
    if(icon STREQUAL "")
        fail("desktop entry: no Icon")
    endif()
    # The icon it names comes in every size; check_icon_sizes below checks
    # that each really has its size.
    foreach(size IN LISTS ICON_SIZES)
        if(NOT EXISTS "${root}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${icon}.png")
            fail("desktop entry: no ${size}x${size} icon named '${icon}'")
        endif()
    endforeach()
endif()

# Each icon theme size directory holds a PNG of that size.
check_icon_sizes("${root}" "${installed}" errors)

# The metainfo has the desktop entry's name as its id and launches that entry.
set(metainfo "${root}/${DATADIR}/metainfo/${APP_NAME}.metainfo.xml")
if(EXISTS "${metainfo}")
    file(READ "${metainfo}" xml)
    set(id "")
    if(xml MATCHES "<id>([^<]*)</id>")
        set(id "${CMAKE_MATCH_1}")
    endif()
    set(launchable "")
    if(xml MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>")
        set(launchable "${CMAKE_MATCH_1}")
    endif()
    if(NOT id STREQUAL APP_NAME)
        fail("metainfo: id is '${id}', the desktop entry is ${APP_NAME}.desktop")
    endif()
    if(NOT launchable STREQUAL "${APP_NAME}.desktop")
        fail("metainfo: launches '${launchable}', not ${APP_NAME}.desktop")
    endif()
endif()

if(errors)
    message(FATAL_ERROR "Installed tree under ${STAGE_DIR}:\n${errors}")
endif()
message(STATUS "Installed into ${STAGE_DIR}: ${installed}")
