# The install tree: cmake --install into a temporary DESTDIR, checked file by file and by the desktop-entry and AppStream validators.
add_test(NAME install_tree
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/install_check.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(install_tree PROPERTIES TIMEOUT 60)
