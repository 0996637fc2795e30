# check_icon_sizes(<root> <files> <errors-var>)
#
# Every file among <files> (paths relative to <root>) that lies in an icon
# theme size directory, icons/hicolor/<W>x<H>/apps/<name>.png, must be a PNG
# image of W x H pixels. Each problem is appended to <errors-var> as one
# indented line.
#
# A PNG file opens with the 8-byte signature and then the IHDR chunk: its
# length (13) and type as two 4-byte words, then the width and the height as
# big-endian 32-bit words.

function(check_icon_sizes root files errors_var)
    set(errors "${${errors_var}}")
    foreach(file IN LISTS files)
        if(NOT file MATCHES "(^|/)icons/hicolor/([0-9]+)x([0-9]+)/apps/[^/]+\\.png$")
            continue()
        endif()
        set(want_width "${CMAKE_MATCH_2}")
        set(want_height "${CMAKE_MATCH_3}")
        set(png "${root}/${file}")
        if(NOT EXISTS "${png}")
            string(APPEND errors "  ${png}: missing\n")
            continue()
        endif()
        file(READ "${png}" head LIMIT 24 HEX)
        string(LENGTH "${head}" length)
        if(length LESS 48)
            string(APPEND errors "  ${png}: too short for a PNG file\n")
            continue()
        endif()
        string(SUBSTRING "${head}" 0 16 signature)
        string(SUBSTRING "${head}" 16 16 chunk)
        string(SUBSTRING "${head}" 32 8 width)
        string(SUBSTRING "${head}" 40 8 height)
        if(NOT signature STREQUAL "89504e470d0a1a0a")
            string(APPEND errors "  ${png}: not a PNG file\n")
        elseif(NOT chunk STREQUAL "0000000d49484452")
            string(APPEND errors "  ${png}: no IHDR chunk after the signature\n")
        else()
            math(EXPR width "0x${width}")
            math(EXPR height "0x${height}")
            if(NOT width EQUAL want_width OR NOT height EQUAL want_height)
                string(APPEND errors
                    "  ${png}: ${width}x${height} pixels in the ${want_width}x${want_height} directory\n")
            endif()
        endif()
    endforeach()
    set(${errors_var} "${errors}" PARENT_SCOPE)
endfunction()
