# The install tree (cmake --install into a temporary DESTDIR, checked file by file and by the desktop-entry and AppStream
# validators), the installed game under Xvfb, and the Debian package under lintian.
add_test(NAME install_tree
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install_tree PROPERTIES TIMEOUT 60)

# The installed game from an unrelated folder and a fresh home, on a virtual X server.
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
# Once with the programs in bin/ (an install for one user), once in games/ (the Debian package).
if(XVFB_RUN AND XDOTOOL)
  foreach(programs bin games)
    add_test(NAME installed_game_${programs}
      COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
        bash ${CMAKE_CURRENT_SOURCE_DIR}/installed_game_check.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${programs})
    set_tests_properties(installed_game_${programs} PROPERTIES TIMEOUT 60 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  endforeach()
endif()

# The Debian package, made by CPack and checked by lintian.
add_test(NAME package
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package_check.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(package PROPERTIES TIMEOUT 120)
