# CLI11 and nlohmann/json, both header-only. Their CMake packages are used where they are found;
# a cross build's find root hides the build machine's packages, so there the headers Debian
# installs are searched after the target's own system headers, which keep precedence.
function(grt8_header_only_library target package header)
    find_package(${package} CONFIG QUIET)
    if(TARGET ${target})
        return()
    endif()
    find_path(${package}_HEADERS ${header} PATHS /usr/include NO_DEFAULT_PATH
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    target_compile_options(${target} INTERFACE -idirafter ${${package}_HEADERS})
endfunction()

grt8_header_only_library(CLI11::CLI11 CLI11 CLI/CLI.hpp)
grt8_header_only_library(nlohmann_json::nlohmann_json nlohmann_json nlohmann/json.hpp)
