# The general settings and line settings editors with the conversions of their fields.
target_sources(grt8_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/phone_number_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pin_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/temperature_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/little_endian_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/network_code_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flag_codec.cpp)

if(GRT8_WITH_QT)
    target_sources(grt8_ui PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/general_settings_dlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/line_settings_dlg.cpp)
endif()
