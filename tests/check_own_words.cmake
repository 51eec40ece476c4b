# Fails when the source tree's code, comments, tests or READMEs speak of the design documents behind
# the program by their numbered sections instead of in the program's own words.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files ${ROOT}/src/* ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.ks
     ${ROOT}/tests/*.md ${ROOT}/bench/*)
# The words, kept in pieces so that this file does not hold them itself.
set(word "P[a]rt")
set(pattern "(^|[^A-Za-z])(${word}s[^a-z]|${word}'s|${word} (one|two|three|four|[0-9])|the ${word}[^a-z]|s[p]ecification)")
set(offenders "")
foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "${pattern}")
    if(lines)
        file(RELATIVE_PATH rel ${ROOT} ${f})
        list(APPEND offenders "${rel}: ${lines}")
    endif()
endforeach()
if(offenders)
    string(REPLACE ";" "\n" text "${offenders}")
    message(FATAL_ERROR "Texts that name the design documents' sections:\n${text}")
endif()
message(STATUS "the texts speak in the program's own words")
