# The serial port layer and the clock the module link paces its bytes with.
target_sources(grt8_core PRIVATE serial_port_system.cpp)
if(WIN32)
    target_sources(grt8_core PRIVATE port_win32.cpp serial_port_names_win32.cpp clock_win32.cpp)
else()
    target_sources(grt8_core PRIVATE
        port_posix.cpp serial_port_names_posix.cpp serial_device_roots.cpp clock_posix.cpp)
    if(APPLE)
        target_sources(grt8_core PRIVATE serial_devices_macos.cpp)
    else()
        target_sources(grt8_core PRIVATE serial_devices_linux.cpp)
    endif()
endif()
