# With CHENGXI_SANITIZE, everything is built with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer, and any report ends the program.
if(CHENGXI_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        message(FATAL_ERROR "CHENGXI_SANITIZE needs GCC or Clang")
    endif()
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
