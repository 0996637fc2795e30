# Checks the Windows program file from its PE headers: a 64-bit GUI program
# with ASLR (high-entropy, 64-bit addresses) and DEP, that needs no DLL beyond
# Windows' own: no C++ or GCC runtime, no winpthread, no Qt.
#
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DPROGRAM=.../chengxi-water.exe
#         -P check_windows_program.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS OBJDUMP PROGRAM)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}"
    OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()

set(errors "")
if(NOT headers MATCHES "Magic[ \t]+020b")
    string(APPEND errors "  not a 64-bit (PE32+) program\n")
endif()
if(NOT headers MATCHES "Subsystem[ \t]+00000002")
    string(APPEND errors "  not a GUI-subsystem program\n")
endif()
if(NOT headers MATCHES "DllCharacteristics[ \t]+([0-9a-fA-F]+)")
    string(APPEND errors "  no DllCharacteristics\n")
else()
    math(EXPR flags "0x${CMAKE_MATCH_1}")
    foreach(pair IN ITEMS "32@high-entropy addresses" "64@dynamic base (ASLR)" "256@NX compatible (DEP)")
        string(REPLACE "@" ";" pair "${pair}")
        list(GET pair 0 bit)
        list(GET pair 1 what)
        math(EXPR set "${flags} & ${bit}")
        if(set EQUAL 0)
            string(APPEND errors "  not ${what}\n")
        endif()
    endforeach()
endif()

# Only DLLs that every Windows has.
set(windows_dlls ADVAPI32 COMCTL32 GDI32 KERNEL32 msvcrt OLE32 OLEAUT32 SHELL32 USER32 VERSION WINDOWSCODECS
    api-ms-win-crt-.*)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    string(APPEND errors "  no imports listed\n")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOUPPER "${dll}" upper)
    set(known FALSE)
    foreach(allowed IN LISTS windows_dlls)
        string(TOUPPER "${allowed}" allowed)
        if(upper MATCHES "^${allowed}\\.DLL$")
            set(known TRUE)
        endif()
    endforeach()
    if(NOT known)
        string(APPEND errors "  needs ${dll}, which is not Windows' own\n")
    endif()
endforeach()

if(errors)
    message(FATAL_ERROR "${PROGRAM}:\n${errors}")
endif()
message(STATUS "${PROGRAM}: 64-bit GUI program, ASLR and DEP, imports ${imports}")
