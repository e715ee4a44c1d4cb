# Warnings and sanitizers shared by every target of the project, by compiler.
add_library(grt8_options INTERFACE)
if(MSVC)
    # Without /utf-8 the Polish literals would be decoded in the system code page, garbling
    # every text the user sees.
    target_compile_options(grt8_options INTERFACE /W4 /permissive- /utf-8 /Zc:__cplusplus)
else()
    target_compile_options(grt8_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
endif()
if(GRT8_SANITIZE)
    if(MSVC)
        message(FATAL_ERROR "GRT8_SANITIZE needs GCC or Clang")
    endif()
    target_compile_options(grt8_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(grt8_options INTERFACE -fsanitize=address,undefined)
endif()
if(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12's -Wrestrict reports overlaps that cannot happen in std::string's inlined copies at
    # -O3 (fixed in GCC 13); with warnings as errors it would stop the Windows build.
    target_compile_options(grt8_options INTERFACE -Wno-restrict)
endif()
