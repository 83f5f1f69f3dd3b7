# The real binary under a virtual X server without a window manager: xdotool plays two short games by menu
# keys, clicks and digits, then quits by the menu; the game must keep running until then and end with status 0.
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND XDOTOOL)
  add_test(NAME quintaro_smoke
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24"
      bash ${CMAKE_CURRENT_SOURCE_DIR}/smoke_play.sh $<TARGET_FILE:quintaro>
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  # The real window on the X server, whatever platform the other tests ask Qt for.
  set_tests_properties(quintaro_smoke PROPERTIES TIMEOUT 30 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
endif()
