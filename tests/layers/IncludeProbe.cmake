# cmake -DCOMPILER=... -DINCLUDES=dir|dir -DHEADER=folder/Header.h
#       -DEXPECT=compiles|fails -DPROBE=file.cpp -P IncludeProbe.cmake
# Checks whether a source holding only `#include "HEADER"` compiles with these include
# roots. A failure must be the header not being found, not some other error.
foreach(var COMPILER INCLUDES HEADER EXPECT PROBE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "IncludeProbe.cmake needs -D${var}=...")
    endif()
endforeach()

cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" includes "${INCLUDES}")
list(TRANSFORM includes PREPEND "-I")
file(WRITE ${PROBE} "#include \"${HEADER}\"\n")
execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only ${includes} ${PROBE}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(EXPECT STREQUAL "compiles")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "\"${HEADER}\" should compile with ${INCLUDES}:\n${output}")
    endif()
elseif(EXPECT STREQUAL "fails")
    if(result EQUAL 0)
        message(FATAL_ERROR "\"${HEADER}\" runs backwards yet compiles with ${INCLUDES}")
    endif()
    string(FIND "${output}" "${HEADER}" named)
    if(named EQUAL -1)
        message(FATAL_ERROR "\"${HEADER}\" failed for another reason:\n${output}")
    endif()
else()
    message(FATAL_ERROR "EXPECT is compiles or fails, not '${EXPECT}'")
endif()
