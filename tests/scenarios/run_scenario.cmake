# Runs one scenario script over a fresh, empty program folder.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${SCRIPT_RUNNER} ${FOLDER} ${SCRIPT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "scenario failed: ${SCRIPT}")
endif()
