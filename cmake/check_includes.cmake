# Fails when a source reaches past its layer by a path the include roots cannot stop:
# a quoted relative include ("../main_window/...") anywhere, or, in the core, a Qt
# module other than Qt Core named by its folder (<QtGui/QPainter>).
# cmake -DFILES=a.cpp;b.h -DCORE=ON|OFF -DSTAMP=file -P check_includes.cmake
set(faults "")
foreach(file ${FILES})
    if(NOT EXISTS ${file})
        continue()
    endif()
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
        if(line MATCHES "#[ \t]*include[ \t]*\"\\.\\.?/")
            string(APPEND faults "${file}: relative include: ${line}\n")
        elseif(CORE AND line MATCHES "#[ \t]*include[ \t]*<Qt([A-Za-z]+)/" AND NOT CMAKE_MATCH_1 STREQUAL "Core")
            string(APPEND faults "${file}: the core is Qt Core only: ${line}\n")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes that break the layers:\n${faults}")
endif()
file(TOUCH ${STAMP})
