# The SMS texts editor with its list of variable codes, and the reports and control editor.
target_sources(grt8_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/cp1250_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/utf8_codec.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sms_text_codec.cpp)

if(GRT8_WITH_QT)
    target_sources(grt8_ui PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/sms_texts_dlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/variable_codes_dlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/reports_control_dlg.cpp)
endif()
