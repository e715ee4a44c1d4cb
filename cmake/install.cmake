# What `cmake --install` and the Debian package put on a Linux desktop: the programs, the
# launcher with its icon, the manual pages and the shell completion.
if(WIN32 OR APPLE)
    return()
endif()

include(GNUInstallDirs)
set(linux_resources ${CMAKE_SOURCE_DIR}/packaging/linux)

foreach(program konsola_grt8 grt8 grt8-sim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(FILES ${linux_resources}/man/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
endforeach()

if(TARGET konsola_grt8)
    install(FILES ${linux_resources}/konsola-grt8.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/pictures/icon.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME konsola-grt8.svg)
endif()

if(TARGET grt8)
    install(FILES ${linux_resources}/grt8.bash-completion
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
            RENAME grt8)
endif()
