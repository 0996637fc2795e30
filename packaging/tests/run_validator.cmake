# Runs a validator on a file and fails when it reports a problem (exits other
# than 0). Without the validator the test is skipped: it prints the line the
# test's SKIP_REGULAR_EXPRESSION looks for.
#
#   cmake -DTOOL=desktop-file-validate -DPACKAGE=desktop-file-utils
#         -DARGS=opt|opt -DFILE=... -P run_validator.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS TOOL PACKAGE FILE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
string(REPLACE "|" ";" ARGS "${ARGS}")

find_program(tool_path "${TOOL}")
if(NOT tool_path)
    message("Skipped: ${TOOL} is not installed (Debian package ${PACKAGE}).")
    return()
endif()
if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} does not exist")
endif()

execute_process(COMMAND "${tool_path}" ${ARGS} "${FILE}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
message("${TOOL} ${ARGS} ${FILE}:\n${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} rejects ${FILE} (exit ${result})")
endif()
