# Cross-compiling for 64-bit Windows with the mingw-w64 tool chain. The posix-threads variant
# of the compiler, because the console runs its module operations on a std::thread; every program
# is linked statically, so an .exe runs on a Windows machine with nothing else installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GRT8_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GRT8_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GRT8_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GRT8_MINGW_PREFIX}-windres)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

set(CMAKE_FIND_ROOT_PATH /usr/${GRT8_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
