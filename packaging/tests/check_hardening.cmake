# Reads the packaged program's ELF headers with readelf and checks that it is
# hardened as cmake/Hardening.cmake builds it:
#   - a position-independent executable (type DYN, with a program interpreter);
#   - relocations made read-only after start-up (a GNU_RELRO segment), and all
#     of them resolved at start-up (BIND_NOW), which together make full RELRO;
#   - a stack that is not executable;
#   - the stack protector in use (__stack_chk_fail imported);
#   - fortified C library calls in use (some __*_chk function imported).
# Skipped when the build is not hardened, when readelf is missing or when no
# package was built to read the program from.
#
#   cmake -DPROGRAM=.../usr/bin/chengxi-water -DREADELF=readelf -DHARDENED=ON
#         -P check_hardening.cmake

cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/expectations.cmake")

foreach(var IN ITEMS PROGRAM HARDENED)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

if(NOT HARDENED)
    message("Skipped: the build is not hardened (CHENGXI_SANITIZE=ON or CHENGXI_HARDEN=OFF).")
    return()
endif()
if(NOT READELF)
    find_program(READELF readelf)
endif()
if(NOT READELF)
    message("Skipped: readelf is not installed (Debian package binutils).")
    return()
endif()
if(NOT EXISTS "${PROGRAM}")
    message("Skipped: ${PROGRAM} does not exist; no package was built (see Packaging.deb).")
    return()
endif()

# The header, the program headers, the dynamic section and the dynamic
# symbols; a stripped program keeps all four.
execute_process(COMMAND "${READELF}" --wide --file-header --program-headers --dynamic --dyn-syms
        "${PROGRAM}"
    OUTPUT_VARIABLE elf
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "readelf cannot read ${PROGRAM}")
endif()

set(expectations
    "position-independent executable (ELF type DYN)@\n *Type: +DYN "
    "program interpreter (INTERP), as an executable has@\n *INTERP "
    "GNU_RELRO segment@\n *GNU_RELRO "
    "binding at start-up (BIND_NOW)@\\(BIND_NOW\\)|\\(FLAGS\\)[^\n]* BIND_NOW|\\(FLAGS_1\\)[^\n]* NOW"
    "non-executable stack (GNU_STACK without E)@\n *GNU_STACK +[^\n]* RW +0x"
    "stack protector (__stack_chk_fail)@ __stack_chk_fail(@|\n)"
    "fortified functions (some __*_chk)@ __[A-Za-z0-9_]+_chk(@|\n)")

chengxi_unmet_expectations(errors "${elf}" "missing: " ${expectations})

if(errors)
    message(FATAL_ERROR "${PROGRAM} is not hardened:\n${errors}\nreadelf says:\n${elf}")
endif()
string(REGEX MATCHALL "__[A-Za-z0-9_]+_chk[A-Za-z0-9_]*" checked "${elf}")
list(REMOVE_DUPLICATES checked)
message(STATUS "${PROGRAM}: PIE, full RELRO, non-executable stack; imports ${checked}")
