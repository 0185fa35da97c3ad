# Installing the game like a desktop game, and packaging it for Debian (make deb).
# The installed game finds its data in ../share/zuravozidizuvav from its own folder, so the
# data must stay under the data folder of the same prefix as the program.

include(GNUInstallDirs)

install(TARGETS zuravozidizuvav RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(ZV_DATA_FILES)
    install(FILES ${ZV_DATA_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zuravozidizuvav)
endif()

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/dist/zuravozidizuvav.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/dist/zuravozidizuvav.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME de.wichtelwerkstatt.zuravozidizuvav.metainfo.xml)
if(ZV_ICON_DIR)
    foreach(size ${ZV_ICON_SIZES})
        install(FILES ${ZV_ICON_DIR}/zuravozidizuvav-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME zuravozidizuvav.png)
    endforeach()
    install(FILES ${ZV_ICON_DIR}/zuravozidizuvav.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The manual page, compressed as Debian keeps them.
set(man_page ${PROJECT_BINARY_DIR}/man/zuravozidizuvav.6.gz)
add_custom_command(
    OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/dist/zuravozidizuvav.6
            ${PROJECT_BINARY_DIR}/man/zuravozidizuvav.6
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/man/zuravozidizuvav.6
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/dist/zuravozidizuvav.6
    COMMENT "Compressing the manual page"
    VERBATIM)
add_custom_target(game_manual ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Only the project built on its own makes packages; a project that embeds the game packages
# itself.
if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME zuravozidizuvav)
    set(CPACK_PACKAGE_VENDOR "Die Wichtelwerkstatt")
    set(CPACK_PACKAGE_CONTACT "Die Wichtelwerkstatt <maintainers@users.noreply.c-seed-58528a63.example>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Christmas puzzle: move the balls into rows of five")
    # Follows the summary line in the package's description.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "A small Christmas puzzle game with a German interface. On a 9 x 9 board
seen at a slant you move Christmas-tree balls with faces along free paths;
five or more of one colour in a line burst into shards and score, and the
drop of new balls that fills the board ends the game.")
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    # The dependencies are the shared libraries the executable links, as dpkg-shlibdeps finds
    # them: nothing else (the font travels in the package).
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    include(CPack)
endif()
