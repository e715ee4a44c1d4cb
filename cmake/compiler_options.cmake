# Warnings and sanitizers shared by every target of the project.
add_library(grt8_options INTERFACE)
target_compile_options(grt8_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(GRT8_SANITIZE)
    target_compile_options(grt8_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(grt8_options INTERFACE -fsanitize=address,undefined)
endif()
