# Turns every file under ROOT into a byte array of a generated C++ source, so the program carries its
# default CFG set and help pages inside the executable and can lay them into any program folder.
function(korvane_embed_files)
    cmake_parse_arguments(ARG "" "OUTPUT;ROOT" "" ${ARGN})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${ARG_ROOT} ${ARG_ROOT}/*)
    list(SORT files)
    set(inputs)
    foreach(f IN LISTS files)
        list(APPEND inputs ${ARG_ROOT}/${f})
    endforeach()
    add_custom_command(
        OUTPUT ${ARG_OUTPUT}
        COMMAND ${CMAKE_COMMAND} -DROOT=${ARG_ROOT} -DOUTPUT=${ARG_OUTPUT} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake
        DEPENDS ${inputs} ${PROJECT_SOURCE_DIR}/cmake/EmbedFilesScript.cmake
        COMMENT "Embedding resource files"
        VERBATIM)
endfunction()
