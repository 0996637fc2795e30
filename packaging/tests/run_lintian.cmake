# Runs lintian on the Debian package Packaging.deb built, with every tag shown
# (errors, warnings, infos and pedantic tags; experimental ones aside) and no
# overrides, and fails on any tag that is not let through by name. Skipped
# when lintian is missing or no package was built.
#
#   cmake -DDEB_DIR=... -DNAME=chengxi-water -DALLOWED=tag|tag -P run_lintian.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS DEB_DIR NAME)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
string(REPLACE "|" ";" ALLOWED "${ALLOWED}")

find_program(lintian lintian)
if(NOT lintian)
    message("Skipped: lintian is not installed (Debian package lintian).")
    return()
endif()
file(GLOB debs "${DEB_DIR}/${NAME}_*.deb")
list(LENGTH debs count)
if(count EQUAL 0)
    message("Skipped: no ${NAME}_*.deb in ${DEB_DIR}; no package was built (see Packaging.deb).")
    return()
elseif(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one ${NAME}_*.deb in ${DEB_DIR}, found: ${debs}")
endif()

# --fail-on none: the tags are judged here, lintian's exit status only says
# whether it ran.
execute_process(
    COMMAND "${lintian}" --no-cfg --no-override --display-info --pedantic
        --tag-display-limit 0 --color never --fail-on none "${debs}"
    OUTPUT_VARIABLE output
    ERROR_VARIABLE diagnostics
    RESULT_VARIABLE result)
message("lintian ${debs}:\n${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lintian failed (exit ${result}):\n${diagnostics}")
endif()

# One line per tag: "<level>: <package>[ <type>]: <tag> [<context>]", the
# level a single capital letter; N: lines are notes, not tags.
set(unexpected "")
string(REGEX MATCHALL "(^|\n)[A-MO-Z]: [^\n]*" tag_lines "${output}")
foreach(line IN LISTS tag_lines)
    string(STRIP "${line}" line)
    if(NOT line MATCHES "^[A-Z]: [^:]+: ([^ ]+)")
        string(APPEND unexpected "  (unparsed) ${line}\n")
    elseif(NOT CMAKE_MATCH_1 IN_LIST ALLOWED)
        string(APPEND unexpected "  ${line}\n")
    endif()
endforeach()
if(unexpected)
    message(FATAL_ERROR "lintian tags on ${debs}:\n${unexpected}")
endif()
if(ALLOWED)
    message(STATUS "lintian reports no tag on ${debs} but those let through: ${ALLOWED}")
else()
    message(STATUS "lintian reports no tag on ${debs}")
endif()
