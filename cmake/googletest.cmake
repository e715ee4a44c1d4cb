# GoogleTest for the tests. A cross build has no GoogleTest of its target system to find, so it
# builds Debian's GoogleTest sources with the cross compiler; they name their targets GTest::.
if(CMAKE_CROSSCOMPILING)
    set(GRT8_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GRT8_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Registers a GoogleTest program's tests with CTest. Natively each test is its own CTest test;
# a cross-built program runs as one test through the emulator (Wine), since starting it once
# per test would cost a second each, and GoogleTest's summary names any test that failed.
function(grt8_add_test_suite target)
    if(CMAKE_CROSSCOMPILING)
        cmake_parse_arguments(PARSE_ARGV 1 SUITE "" "DISCOVERY_TIMEOUT" "PROPERTIES")
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
        if(SUITE_PROPERTIES)
            set_tests_properties(${target} PROPERTIES ${SUITE_PROPERTIES})
        endif()
    else()
        gtest_discover_tests(${target} ${ARGN})
    endif()
endfunction()
