# The install tree: cmake --install into a temporary DESTDIR, checked file by file and by the desktop-entry and AppStream validators.
add_test(NAME install_tree
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install_tree PROPERTIES TIMEOUT 60)

# The installed game from an unrelated folder and a fresh home, on a virtual X server.
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND XDOTOOL)
  add_test(NAME installed_game
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
      bash ${CMAKE_CURRENT_SOURCE_DIR}/installed_game_check.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(installed_game PROPERTIES TIMEOUT 60 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()
