# Script mode: builds a sample program against the installed prefix with its own
# find_package(PACKAGE), as a host would, and runs its self-test without LD_LIBRARY_PATH and
# without a library of the other Qt (host.cmake).
include("${CMAKE_CURRENT_LIST_DIR}/host.cmake")
file(REMOVE_RECURSE "${WORK_DIR}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
    message(STATUS "${out}")
endfunction()

run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build"
    "-DCMAKE_PREFIX_PATH=${PREFIX}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DMIROKIT_PACKAGE=${PACKAGE}")
run(${CMAKE_COMMAND} --build "${WORK_DIR}/build")
run_host("${WORK_DIR}/build/clientes" --selftest "${WORK_DIR}")
