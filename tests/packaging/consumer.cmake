# Script mode: against the prefix that install.cmake filled, build and run each consumer both
# ways: a host of the core alone (consumer/, package Mirokit), a host of the charts
# (consumer-charts/, component Charts) and a host with a code editor (consumer-scintilla/,
# component Scintilla). The hosts run without LD_LIBRARY_PATH: the CMake-built one finds the
# prefix through the RUNPATH that CMake gives it, the pkg-config one through its own -rpath, and
# the libraries there find each other by theirs, and none of them loads the other Qt's libraries.
# PACKAGE is the package's name (Mirokit, or Mirokit6 for Qt 6), QT_MAJOR its Qt.
include("${CMAKE_CURRENT_LIST_DIR}/host.cmake")
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${PREFIX}")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
    endif()
endfunction()

file(GLOB_RECURSE pc_files "${prefix}/*/${PACKAGE}.pc")
list(GET pc_files 0 pc_file)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
separate_arguments(extra_flags UNIX_COMMAND "${CXX_FLAGS}")

# consumer_check(<folder> <pkg-config module>)
function(consumer_check folder module)
    set(work "${WORK_DIR}/${folder}")
    run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/${folder}" -B "${work}/build"
        "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DMIROKIT_PACKAGE=${PACKAGE}")
    run(${CMAKE_COMMAND} --build "${work}/build")
    run_host("${work}/build/consumer")

    # pkg-config: compile the same program with the flags the .pc file gives.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "PKG_CONFIG_PATH=${pc_dir}" pkg-config --cflags --libs ${module}
        OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "pkg-config does not know ${module}")
    endif()
    separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
    run(c++ -std=c++17 -fPIC ${extra_flags} "${SOURCE_DIR}/${folder}/main.cpp" -o "${work}/consumer-pc" ${pc_flags}
        "-Wl,-rpath,${prefix}/${LIBDIR}")
    run_host("${work}/consumer-pc")
endfunction()

consumer_check(consumer ${PACKAGE})
consumer_check(consumer-charts ${PACKAGE}Charts)
consumer_check(consumer-scintilla ${PACKAGE}Scintilla)

# Asking for a component that does not exist fails.
file(WRITE "${WORK_DIR}/unknown/CMakeLists.txt"
    "cmake_minimum_required(VERSION 3.25)\nproject(Unknown LANGUAGES CXX)\nfind_package(${PACKAGE} REQUIRED COMPONENTS Nonexistent)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -S "${WORK_DIR}/unknown" -B "${WORK_DIR}/unknown/build"
    "-DCMAKE_PREFIX_PATH=${prefix}" RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result EQUAL 0)
    message(FATAL_ERROR "find_package(${PACKAGE} COMPONENTS Nonexistent) succeeded")
endif()
