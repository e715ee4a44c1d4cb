# Warnings and sanitizers shared by every target of the project.
add_library(grt8_options INTERFACE)
target_compile_options(grt8_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(GRT8_SANITIZE)
    target_compile_options(grt8_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(grt8_options INTERFACE -fsanitize=address,undefined)
endif()
if(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12's -Wrestrict reports overlaps that cannot happen in std::string's inlined copies at
    # -O3 (fixed in GCC 13); with warnings as errors it would stop the Windows build.
    target_compile_options(grt8_options INTERFACE -Wno-restrict)
endif()
