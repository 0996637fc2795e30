# The program hardened as Debian builds its packages: fortified C library
# calls, stack protector, stack clash protection, control-flow protection, a
# position-independent executable, and relocations resolved at start-up and
# then made read-only (full RELRO).
#
# Applies to everything built after this file, the plain build and the
# package alike. Left out:
#   - with CHENGXI_SANITIZE, where the sanitizers do their own checking and
#     fortified calls and the stack protector get in their way;
#   - on Windows, including MinGW cross builds, whose PE flags are set with
#     the Windows toolchain;
#   - with compilers other than GCC and Clang.
# CHENGXI_HARDEN=OFF turns it off.
#
# CHENGXI_HARDENED is true afterwards when the flags are in effect; the
# packaging tests check the program's ELF headers for them.

option(CHENGXI_HARDEN "Build hardened: fortify, stack protector, PIE, full RELRO" ON)

set(CHENGXI_HARDENED FALSE)
if(NOT CHENGXI_HARDEN)
    return()
endif()
if(CHENGXI_SANITIZE)
    message(STATUS "Hardening flags left out: the build uses the sanitizers")
    return()
endif()
if(WIN32 OR MINGW OR CMAKE_SYSTEM_NAME STREQUAL "Windows")
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(STATUS "Hardening flags left out: not known for ${CMAKE_CXX_COMPILER_ID}")
    return()
endif()

include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

# _FORTIFY_SOURCE does nothing without optimisation, and glibc warns about
# that (an error with CHENGXI_WARNINGS_AS_ERRORS), so Debug builds go without
# it. Undefined first, as some compilers define it themselves at another
# level; both as options, since -D and -U take effect in command-line order
# and compile definitions would come before the -U.
set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
unset(optimised)

# Each only where the compiler knows it for the target: -fcf-protection is
# x86 only, for one.
foreach(flag IN ITEMS -fstack-protector-strong -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "CHENGXI_HAVE${flag}" have_flag)
    check_cxx_compiler_flag("${flag}" ${have_flag})
    if(${have_flag})
        add_compile_options("${flag}")
    endif()
    unset(have_flag)
endforeach()

foreach(flag IN ITEMS -Wl,-z,relro -Wl,-z,now)
    string(MAKE_C_IDENTIFIER "CHENGXI_HAVE${flag}" have_flag)
    check_linker_flag(CXX "${flag}" ${have_flag})
    if(NOT ${have_flag})
        message(FATAL_ERROR "The linker does not take ${flag}; configure with -DCHENGXI_HARDEN=OFF")
    endif()
    add_link_options("${flag}")
    unset(have_flag)
endforeach()

# Position-independent code everywhere, and executables linked with -pie
# (policy CMP0083, new since CMake 3.14).
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot make a position-independent executable; "
        "configure with -DCHENGXI_HARDEN=OFF\n${pie_output}")
endif()
unset(pie_output)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

set(CHENGXI_HARDENED TRUE)
