# Script mode: installs the build into a fresh prefix, as a user would, and checks that the
# installed libraries and the Designer plugin find the libraries beside them by their own
# RUNPATH (no LD_LIBRARY_PATH, no system folder). PACKAGE is the package's name (Mirokit, or
# Mirokit6 for Qt 6), LIBRARY_SUFFIX what the engines' library names carry with it ("" or 6).
file(REMOVE_RECURSE "${PREFIX}")

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed (${result}):\n${out}")
endif()

# expect_resolved_beside(<installed file> <library names...>): ldd of the file, with no
# LD_LIBRARY_PATH, finds each named library in the prefix's library folder.
function(expect_resolved_beside file)
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ldd "${file}"
        OUTPUT_VARIABLE out ERROR_VARIABLE out)
    file(REAL_PATH "${PREFIX}/${LIBDIR}" libdir)
    foreach(library IN LISTS ARGN)
        if(NOT out MATCHES "${library}\\.so[.0-9]* => (/[^ \n]+)")
            message(FATAL_ERROR "ldd ${file} does not find ${library}:\n${out}")
        endif()
        file(REAL_PATH "${CMAKE_MATCH_1}" found)
        get_filename_component(found_dir "${found}" DIRECTORY)
        if(NOT found_dir STREQUAL libdir)
            message(FATAL_ERROR "ldd ${file} finds ${library} in ${found_dir}, not in ${libdir}")
        endif()
    endforeach()
endfunction()

set(grid libMirokitGrid${LIBRARY_SUFFIX})
set(report libNCReport${LIBRARY_SUFFIX})
expect_resolved_beside("${PREFIX}/${LIBDIR}/lib${PACKAGE}.so.0" ${grid} ${report})
if(DESIGNER_PLUGIN)
    expect_resolved_beside("${PREFIX}/${DESIGNER_PLUGIN}" lib${PACKAGE} ${grid} ${report})
endif()
