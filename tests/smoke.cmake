# The real binary under a virtual X server: it must start and still be running two seconds later.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  add_test(NAME quintaro_smoke
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" sh -c
      "$<TARGET_FILE:quintaro> & pid=$!; sleep 2; if kill -0 $pid 2>/dev/null; then kill $pid; wait $pid; exit 0; fi; wait $pid; echo \"quintaro ended early with status $?\"; exit 1"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(quintaro_smoke PROPERTIES TIMEOUT 30)
endif()
