# The Windows program: one self-contained 64-bit executable, and, in a cross
# build on Linux, its tests run under Wine.

if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    message(FATAL_ERROR "The Windows build is made with MinGW-w64's g++ (cmake/toolchains/mingw-w64-x86_64.cmake)")
endif()

# No DLL beyond Windows' own: the C++ runtime and winpthread linked in.
add_link_options(-static)
# ASLR (with 64-bit addresses) and DEP.
add_link_options(-Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
# -O2 rather than -O3: at -O3 MinGW's GCC 12 reports a false -Wrestrict in
# std::u16string's concatenation.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
# The shipped program carries no debugging information.
add_link_options($<$<CONFIG:Release,MinSizeRel>:-s>)
# Wide (UTF-16) Windows API throughout; the headers of Windows 7, the oldest
# Windows the program runs on.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

if(CHENGXI_BUILD_TESTS)
    # GoogleTest from its sources (Debian package googletest), built with the
    # cross compiler.
    set(CHENGXI_GOOGLETEST_SOURCE_DIR "/usr/src/googletest/googletest"
        CACHE PATH "GoogleTest's sources, for the cross build")
    if(NOT EXISTS "${CHENGXI_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
        message(FATAL_ERROR "No GoogleTest sources in ${CHENGXI_GOOGLETEST_SOURCE_DIR} (Debian package googletest)")
    endif()
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory("${CHENGXI_GOOGLETEST_SOURCE_DIR}" "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
    # The tests run one case per program run (gtest_add_tests): their main
    # fails a run that selects no case.
    add_library(chengxi_gtest_main STATIC "${PROJECT_SOURCE_DIR}/tests/win32/gtest_main_checked.cpp")
    target_link_libraries(chengxi_gtest_main PUBLIC GTest::gtest)
    set(CHENGXI_GTEST_MAIN chengxi_gtest_main)

    # On a Linux host the tests run under Wine, in a prefix of the build's
    # own with no display (tests/win32/wine-prefix.sh sets it up).
    if(CMAKE_HOST_UNIX)
        set(CHENGXI_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
        set(CMAKE_CROSSCOMPILING_EMULATOR
            "${PROJECT_SOURCE_DIR}/tests/win32/wine-run.sh;${CHENGXI_WINE_PREFIX}")
    endif()
endif()
