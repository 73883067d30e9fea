# Installs the build into an empty prefix and checks that the program, its preview's
# helper beside it, its desktop entry and its icon are where a desktop looks for them,
# and that the program itself does not load the web engine.
# Run with -DBUILD=<build folder> -DPREFIX=<a folder this script may empty>.

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(program "${PREFIX}/bin/tesselo")
set(helper "${PREFIX}/bin/tesselo-preview")
set(entry "${PREFIX}/share/applications/tesselo.desktop")
set(icon "${PREFIX}/share/icons/hicolor/scalable/apps/tesselo.svg")
foreach(file IN ITEMS "${program}" "${helper}" "${entry}" "${icon}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
if(IS_DIRECTORY "${program}")
    message(FATAL_ERROR "not a program: ${program}")
endif()
foreach(file IN ITEMS "${program}" "${helper}")
    execute_process(COMMAND test -x "${file}" RESULT_VARIABLE executable)
    if(NOT executable EQUAL 0)
        message(FATAL_ERROR "not executable: ${file}")
    endif()
endforeach()

# The libraries each program names: the web engine is the helper's alone.
foreach(file IN ITEMS "${program}" "${helper}")
    execute_process(COMMAND readelf -d "${file}" OUTPUT_VARIABLE needed RESULT_VARIABLE read)
    if(NOT read EQUAL 0)
        message(FATAL_ERROR "readelf cannot read ${file}")
    endif()
    string(REGEX MATCH "libQt6WebEngine[A-Za-z]*\\.so" web "${needed}")
    if(file STREQUAL program AND web)
        message(FATAL_ERROR "${program} links ${web}: the editor must start without it")
    elseif(file STREQUAL helper AND NOT web)
        message(FATAL_ERROR "${helper} does not link the web engine")
    endif()
endforeach()

# The entry opens style sheets with the program, under the icon installed beside it.
file(STRINGS "${entry}" lines)
foreach(expected IN ITEMS "Type=Application" "Exec=tesselo %f" "Icon=tesselo" "MimeType=text/css;")
    if(NOT expected IN_LIST lines)
        message(FATAL_ERROR "${entry} lacks the line ${expected}")
    endif()
endforeach()
file(READ "${icon}" svg LIMIT 200)
if(NOT svg MATCHES "<svg")
    message(FATAL_ERROR "${icon} is no SVG picture")
endif()

find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE valid OUTPUT_VARIABLE said
                    ERROR_VARIABLE said)
    if(NOT valid EQUAL 0)
        message(FATAL_ERROR "${entry} is not a valid desktop entry: ${said}")
    endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
