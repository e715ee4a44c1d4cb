# The Win32 backend of the dialog framework layer: the platform's own dialog manager, menus,
# message boxes and common dialogs, in Unicode.
target_sources(grt8_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/application_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_template_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_dialogs_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/module_operation_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_win32.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wide_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_thread.cpp)
target_compile_definitions(grt8_ui PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(grt8_ui PUBLIC comctl32 comdlg32 gdi32 user32 shell32)
