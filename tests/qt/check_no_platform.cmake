# The program started where Qt finds no platform to open its window on: it
# says so in its own words, naming what to install where that is the cause,
# and exits with status 1, not with Qt's abort (134) and its plugin lines.
#
#   cmake -DPROGRAM=.../chengxi-water -DPLUGINS_DIR=<Qt's plugin directory> -P check_no_platform.cmake
#
# Qt's Wayland platform plugin (qt6-wayland) may be installed here or not. The
# cases without it run a copy of the program whose qt.conf names an empty
# plugin directory; the one with the plugins as installed expects the words
# for whichever holds.

cmake_minimum_required(VERSION 3.25)

foreach(var IN ITEMS PROGRAM PLUGINS_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(work "${CMAKE_CURRENT_BINARY_DIR}/no-platform")
file(REMOVE_RECURSE "${work}")
# The copy without plugins.
file(MAKE_DIRECTORY "${work}/bare/plugins")
file(COPY "${PROGRAM}" DESTINATION "${work}/bare")
get_filename_component(program_name "${PROGRAM}" NAME)
set(bare "${work}/bare/${program_name}")
file(WRITE "${work}/bare/qt.conf" "[Paths]\nPlugins=plugins\n")
# A runtime directory, as a session has, where no display's socket is found.
set(runtime_dir "${work}/runtime")
file(MAKE_DIRECTORY "${runtime_dir}")
file(CHMOD "${runtime_dir}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(install_wayland "sudo apt-get install qt6-wayland")
file(GLOB wayland_plugins "${PLUGINS_DIR}/platforms/libqwayland-*.so")
if(wayland_plugins)
    set(wayland_words "the Wayland display \"chengxi-no-such-display\" (WAYLAND_DISPLAY) cannot be reached")
else()
    set(wayland_words "${install_wayland}")
endif()

# Each case: a name, the program run, the variables set (name=value,
# separated by |), and the words expected.
set(cases
    "no display" "${PROGRAM}" "" "no display to open the window on"
    "X display not reachable" "${PROGRAM}" "DISPLAY=:65000"
        "the X display \":65000\" (DISPLAY) cannot be reached"
    "Wayland alone, without the plugin" "${bare}" "WAYLAND_DISPLAY=chengxi-no-such-display" "${install_wayland}"
    "QT_QPA_PLATFORM=wayland, without the plugin" "${bare}" "QT_QPA_PLATFORM=wayland" "${install_wayland}"
    "Wayland alone, plugins as installed" "${PROGRAM}" "WAYLAND_DISPLAY=chengxi-no-such-display" "${wayland_words}")

set(errors "")
while(cases)
    list(POP_FRONT cases name program variables words)
    string(REPLACE "|" ";" variables "${variables}")
    execute_process(
        # env, which runs the program in its place, rather than cmake -E env,
        # which answers 1 for a program that aborted.
        COMMAND env
            -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
            -u XDG_SESSION_TYPE -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP
            -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM_PLUGIN_PATH
            "XDG_RUNTIME_DIR=${runtime_dir}" ${variables} "${program}"
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE text
        TIMEOUT 30)
    if(NOT status STREQUAL "1")
        string(APPEND errors "  ${name}: exit status ${status}, not 1\n")
    endif()
    if(NOT text MATCHES "^chengxi-water: ")
        string(APPEND errors "  ${name}: the message does not start with the program's name\n")
    endif()
    string(FIND "${text}" "${words}" at)
    if(at EQUAL -1)
        string(APPEND errors "  ${name}: the message lacks '${words}'\n")
    endif()
    if(text MATCHES "qt\\.qpa|[Pp]latform plugin \"|failed to start" OR NOT output STREQUAL "")
        string(APPEND errors "  ${name}: Qt's own lines are shown\n")
    endif()
    string(APPEND report "${name}:\n${text}\n")
endwhile()

message("${report}")
if(errors)
    message(FATAL_ERROR "${PROGRAM}:\n${errors}")
endif()
