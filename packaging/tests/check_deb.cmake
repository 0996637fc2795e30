# Builds the Debian package with CPack into a scratch directory and checks its
# control fields and its contents, down to the size of each packaged icon, the
# changelog's latest entry and the program's sections. Skipped when dpkg-deb
# is missing. Leaves the package and its unpacked contents in WORK_DIR for the
# lintian and hardening tests.
#
#   cmake -DCPACK=cpack -DCPACK_CONFIG=.../CPackConfig.cmake -DWORK_DIR=... -DCONFIG=...
#         -DNAME=... -DVERSION=... -DMAINTAINER=... -DEXPECTED=a|b|...
#         [-DREADELF=readelf] -P check_deb.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS CPACK CPACK_CONFIG WORK_DIR NAME VERSION MAINTAINER EXPECTED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
string(REPLACE "|" ";" EXPECTED "${EXPECTED}")
include("${CMAKE_CURRENT_LIST_DIR}/icon_sizes.cmake")

find_program(dpkg_deb dpkg-deb)
if(NOT dpkg_deb)
    message("Skipped: dpkg-deb is not installed (Debian package dpkg).")
    return()
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(config_args "")
if(CONFIG)
    set(config_args -C "${CONFIG}")
endif()
execute_process(
    COMMAND "${CPACK}" -G DEB --config "${CPACK_CONFIG}" -B "${WORK_DIR}" ${config_args}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack -G DEB failed")
endif()
file(GLOB debs "${WORK_DIR}/${NAME}_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one ${NAME}_*.deb in ${WORK_DIR}, found: ${debs}")
endif()

set(errors "")
macro(field name)
    execute_process(COMMAND "${dpkg_deb}" --field "${debs}" ${name}
        OUTPUT_VARIABLE ${name} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endmacro()
field(Package)
field(Version)
field(Section)
field(Maintainer)
field(Depends)
field(Recommends)

if(NOT Package STREQUAL NAME)
    string(APPEND errors "  Package is '${Package}', not ${NAME}\n")
endif()
if(NOT Version STREQUAL VERSION)
    string(APPEND errors "  Version is '${Version}', not ${VERSION}\n")
endif()
if(NOT Section STREQUAL "utils")
    string(APPEND errors "  Section is '${Section}', not utils\n")
endif()
if(NOT Maintainer STREQUAL MAINTAINER)
    string(APPEND errors "  Maintainer is '${Maintainer}', not ${MAINTAINER}\n")
endif()
# The Qt libraries it links to (libqt6gui6 with the X11 platform plugin) and
# the two fonts the window uses; not qt6-qpa-plugins, which holds only the VNC
# and TUIO plugins and pulls in Qt's network library. Qt's Wayland platform
# plugin recommended, for Wayland sessions.
string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${Depends}")
string(REGEX REPLACE " *, *" ";" depends "${depends}")
foreach(package IN ITEMS libqt6widgets6 libqt6gui6 libqt6core6
                         fonts-arphic-uming fonts-arphic-ukai)
    if(NOT package IN_LIST depends)
        string(APPEND errors "  Depends lacks ${package}: ${Depends}\n")
    endif()
endforeach()
if("qt6-qpa-plugins" IN_LIST depends)
    string(APPEND errors "  Depends names qt6-qpa-plugins: ${Depends}\n")
endif()
if(NOT Recommends STREQUAL "qt6-wayland")
    string(APPEND errors "  Recommends is '${Recommends}', not qt6-wayland\n")
endif()

# The files: what `cmake --install` puts under the prefix, under /usr.
execute_process(COMMAND "${dpkg_deb}" --contents "${debs}"
    OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n-[^\n]* \\./usr/[^\n]*" lines "\n${listing}")
set(files "")
foreach(line IN LISTS lines)
    string(REGEX REPLACE ".* \\./usr/" "" file "${line}")
    list(APPEND files "${file}")
endforeach()
foreach(file IN LISTS EXPECTED)
    if(NOT file IN_LIST files)
        string(APPEND errors "  missing: /usr/${file}\n")
    endif()
endforeach()
foreach(file IN LISTS files)
    if(NOT file IN_LIST EXPECTED)
        string(APPEND errors "  not expected: /usr/${file}\n")
    endif()
endforeach()
foreach(line IN LISTS lines)
    if(line MATCHES " \\./usr/bin/" AND NOT line MATCHES "^\n-rwxr-xr-x ")
        string(APPEND errors "  not executable by all:${line}\n")
    endif()
endforeach()
string(REGEX MATCHALL "\n[^\n]* \\./[^u\n][^\n]*" outside "\n${listing}")
if(outside)
    string(APPEND errors "  files outside /usr:${outside}\n")
endif()

# The icons as packaged, unpacked: each has the size its directory names.
set(contents "${WORK_DIR}/contents")
execute_process(COMMAND "${dpkg_deb}" --extract "${debs}" "${contents}"
    COMMAND_ERROR_IS_FATAL ANY)
check_icon_sizes("${contents}/usr" "${files}" errors)

# The changelog's latest entry is this version, signed by the maintainer (the
# name alone in the Maintainer field, the name with empty brackets in the
# signature, when no address is known).
set(changelog "${contents}/usr/share/doc/${NAME}/changelog.gz")
if(EXISTS "${changelog}")
    execute_process(COMMAND gzip -dc "${changelog}"
        OUTPUT_VARIABLE text RESULT_VARIABLE result)
    string(REGEX MATCH "^[^\n]*" heading "${text}")
    string(REGEX MATCH "\n -- [^\n]*" trailer "${text}")
    string(REGEX REPLACE "^\n -- (.*)  [^ ].*$" "\\1" signature "${trailer}")
    string(REPLACE "." "\\." version_regex "${VERSION}")
    set(want_signature "${MAINTAINER}")
    if(NOT MAINTAINER MATCHES "<")
        string(APPEND want_signature " <>")
    endif()
    if(NOT result EQUAL 0)
        string(APPEND errors "  ${changelog}: not gzip data\n")
    elseif(NOT heading MATCHES "^${NAME} \\(${version_regex}\\) [a-z-]+; urgency=[a-z]+$")
        string(APPEND errors "  changelog: latest entry '${heading}', not ${NAME} (${VERSION})\n")
    elseif(NOT signature STREQUAL want_signature)
        string(APPEND errors "  changelog: signed '${signature}', not '${want_signature}'\n")
    endif()
endif()

# The program without the .comment section (the compilers' version strings),
# as Debian ships its programs.
if(NOT READELF)
    find_program(READELF readelf)
endif()
set(program "${contents}/usr/bin/${NAME}")
if(READELF AND EXISTS "${program}")
    execute_process(COMMAND "${READELF}" --wide --section-headers "${program}"
        OUTPUT_VARIABLE sections COMMAND_ERROR_IS_FATAL ANY)
    if(sections MATCHES "\\] \\.comment ")
        string(APPEND errors "  /usr/bin/${NAME} has a .comment section\n")
    endif()
endif()

if(errors)
    message(FATAL_ERROR "${debs}:\n${errors}\n${listing}")
endif()
message(STATUS "${debs}\n  Depends: ${Depends}\n  Recommends: ${Recommends}\n${listing}")
