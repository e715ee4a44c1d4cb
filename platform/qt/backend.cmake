# The Qt backend of the dialog framework layer.
target_sources(grt8_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/application_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_builder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_units.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/edit_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_dialogs_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/log_pane.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/module_operation_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture.cpp)
