# Runs one scenario script twice over fresh program folders: as it stands, then with the view repainted
# inside every dialog, input and message box before it is answered (korvane-script
# --repaint-in-dialogs), as a user's resize of the window behind the box repaints it. Both runs must
# hold every expectation and leave the same files, byte for byte: a repaint reads the drawing back, and
# nothing the user confirmed may be lost to it. Printed PDF files carry their time of making and are
# left out.
set(quiet ${FOLDER}/quiet)
set(repainted ${FOLDER}/repainted)
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${quiet} ${repainted})
execute_process(COMMAND ${SCRIPT_RUNNER} ${quiet} ${SCRIPT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "scenario failed: ${SCRIPT}")
endif()
execute_process(COMMAND ${SCRIPT_RUNNER} --repaint-in-dialogs ${repainted} ${SCRIPT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "scenario failed with the view repainted inside every box: ${SCRIPT}")
endif()
# Only regular files: a scenario may leave a named pipe where a file belongs.
function(regular_files folder out)
    execute_process(COMMAND find . -type f -not -iname *.pdf WORKING_DIRECTORY ${folder}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REPLACE "\n" ";" found "${found}")
    list(SORT found)
    set(${out} ${found} PARENT_SCOPE)
endfunction()
regular_files(${quiet} quietFiles)
regular_files(${repainted} repaintedFiles)
if(NOT quietFiles STREQUAL repaintedFiles)
    message(FATAL_ERROR "the runs left other files:\n  as it stands: ${quietFiles}\n"
                        "  repainted:    ${repaintedFiles}")
endif()
set(differing)
foreach(path IN LISTS quietFiles)
    execute_process(COMMAND cmp -s ${quiet}/${path} ${repainted}/${path} RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        list(APPEND differing ${path})
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "repainted inside the boxes, the run left other bytes in: ${differing}")
endif()
