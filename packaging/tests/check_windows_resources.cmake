# Compiles the program's resource script with the MinGW resource compiler to
# the object file a MinGW build links, reads that object back as a resource
# script, and checks the icon and the version information in it. Skipped when
# x86_64-w64-mingw32-windres (Debian package binutils-mingw-w64-x86-64) or a C
# preprocessor for it is missing.
#
#   cmake -DRC_FILE=... -DWORK_DIR=... -DVERSION=1,2,3,4 -DVERSION_TEXT=1.23
#         -P check_windows_resources.cmake

cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/expectations.cmake")

foreach(var IN ITEMS RC_FILE WORK_DIR VERSION VERSION_TEXT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

find_program(windres x86_64-w64-mingw32-windres)
if(NOT windres)
    message("Skipped: x86_64-w64-mingw32-windres is not installed (Debian package binutils-mingw-w64-x86-64).")
    return()
endif()
# windres preprocesses with the MinGW gcc; without that compiler the host's
# C preprocessor does the same job.
find_program(mingw_gcc x86_64-w64-mingw32-gcc)
set(preprocessor_args "")
if(NOT mingw_gcc)
    find_program(host_cpp cpp)
    if(NOT host_cpp)
        message("Skipped: neither x86_64-w64-mingw32-gcc nor cpp is installed to preprocess for windres.")
        return()
    endif()
    set(preprocessor_args
        "--preprocessor=${host_cpp}" --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED)
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(object "${WORK_DIR}/chengxi-water.rc.o")
set(decompiled "${WORK_DIR}/chengxi-water.decompiled.rc")

execute_process(
    COMMAND "${windres}" ${preprocessor_args} -i "${RC_FILE}" -O coff -o "${object}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot compile ${RC_FILE}")
endif()
execute_process(
    COMMAND "${windres}" -J coff -i "${object}" -O rc -o "${decompiled}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "windres cannot read back ${object}")
endif()
file(READ "${decompiled}" rc)

string(REPLACE "," ", *" version_list "${VERSION}")
string(REPLACE "." "\\." version_text "${VERSION_TEXT}")
# 澄溪水质查询系统 as windres writes UTF-16 strings back. Had the script been
# read in another code page than UTF-8, these would be other code units.
set(product_name [[L"\\x6f84\\x6eaa\\x6c34\\x8d28\\x67e5\\x8be2\\x7cfb\\x7edf"]])

set(expectations
    "an icon group named IDI_ICON1@\"?IDI_ICON1\"? 14 /\\* RT_GROUP_ICON \\*/"
    "ten images in the icon group@Has 10 elements"
    "FILEVERSION ${VERSION}@FILEVERSION ${version_list}\n"
    "PRODUCTVERSION ${VERSION}@PRODUCTVERSION ${version_list}\n"
    "a Chinese (PRC), Unicode string table@BLOCK \"080404B0\""
    "FileVersion ${VERSION_TEXT}@VALUE \"FileVersion\", \"${version_text}\"\n"
    "ProductVersion ${VERSION_TEXT}@VALUE \"ProductVersion\", \"${version_text}\"\n"
    "ProductName 澄溪水质查询系统@VALUE \"ProductName\", ${product_name}\n"
    "FileDescription 澄溪水质查询系统@VALUE \"FileDescription\", ${product_name}\n"
    "translation Chinese (PRC), Unicode@VALUE \"Translation\", 0x804, 1200\n")

# The group's images in their order: the program's icon proper, 32 and 16 px
# of 256 colours, first, then the true-colour ones, from the same two sizes
# up. windres writes the sizes
# as octal escapes, 256 px as 0.
set(number 0)
foreach(image IN ITEMS "32 040 8" "16 020 8" "32 040 32" "16 020 32" "20 024 32" "24 030 32" "40 050 32" "48 060 32" "64 100 32"
                       "256 000 32")
    separate_arguments(image)
    list(GET image 0 size)
    list(GET image 1 octal)
    list(GET image 2 bits)
    math(EXPR number "${number} + 1")
    list(APPEND expectations
        "a ${size}x${size} ${bits}-bit image as the group's image ${number}@\"\\\\${octal}\\\\${octal}\\\\000\\\\000\", 1, ${bits}, [^\n]*Element no ${number}\\.")
endforeach()

chengxi_unmet_expectations(errors "${rc}" "no " ${expectations})

# All resources in Chinese (PRC): LANG_CHINESE 4, SUBLANG_CHINESE_SIMPLIFIED 2.
string(REGEX MATCHALL "LANGUAGE [0-9]+, [0-9]+" languages "${rc}")
list(REMOVE_DUPLICATES languages)
if(NOT languages STREQUAL "LANGUAGE 4, 2")
    string(APPEND errors "  resource languages are '${languages}', not LANGUAGE 4, 2 only\n")
endif()

if(errors)
    message(FATAL_ERROR "${RC_FILE}, compiled and read back (${decompiled}):\n${errors}")
endif()
message(STATUS "${RC_FILE} compiles; its icon and version information are as expected")
