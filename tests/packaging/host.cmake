# run_host(<program> [arguments...]): runs a host built against the installed prefix, as a user
# starts it (no LD_LIBRARY_PATH), and fails when it fails or when the dynamic loader maps any
# library of the other Qt major version (QT_MAJOR is the one the package was built for): a Qt 6
# host of Mirokit6 must not drag in a Qt 5 library through Mirokit, a plugin or QScintilla, nor
# the other way round. The loader's own log (LD_DEBUG=files) lists libraries linked and loaded
# later (platform and image plugins) alike.
function(run_host program)
    if(QT_MAJOR EQUAL 5)
        set(other 6)
    else()
        set(other 5)
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH LD_DEBUG=files
            "${program}" ${ARGN}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${program} ${ARGN}\n${out}")
    endif()
    # Without the loader's log the check below would pass on nothing.
    if(NOT out MATCHES "file=[^ \n]*libQt${QT_MAJOR}Core\\.so")
        message(FATAL_ERROR "${program}: the loader's log does not show libQt${QT_MAJOR}Core:\n${out}")
    endif()
    string(REGEX MATCHALL "file=[^ \n]*(libQt${other}|_qt${other}\\.so|/qt${other}/plugins/)[^ \n]*" foreign "${out}")
    if(foreign)
        list(REMOVE_DUPLICATES foreign)
        list(JOIN foreign "\n  " foreign)
        message(FATAL_ERROR "${program}, a Qt ${QT_MAJOR} host, loaded Qt ${other} libraries:\n  ${foreign}")
    endif()
endfunction()
