# Script mode: installs a Qt 5 build (QT5_BUILD_DIR) and a Qt 6 build (QT6_BUILD_DIR) of these
# sources into one fresh prefix, as Debian's packages of both share /usr, and fails when both
# write a file of the same name: each must own its files, so that either can be installed,
# upgraded or removed without touching the other. Without a Qt 5 build there is nothing to put
# beside this one, and the test says so and is skipped.
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${QT5_BUILD_DIR}/cmake_install.cmake")
    message("SKIPPED: no Qt 5 build in ${QT5_BUILD_DIR} (scripts/test makes one)")
    return()
endif()
file(REMOVE_RECURSE "${PREFIX}")

# install_into_prefix(<build folder> <variable>): installs the build and sets the variable to the
# files it wrote (cmake --install names each one, whether it copied it or found it there).
function(install_into_prefix build_dir files_variable)
    execute_process(COMMAND ${CMAKE_COMMAND} --install "${build_dir}" --prefix "${PREFIX}"
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "installing ${build_dir} failed (${result}):\n${out}${error}")
    endif()
    string(REGEX MATCHALL "-- (Installing|Up-to-date): [^\n]+" lines "${out}")
    list(TRANSFORM lines REPLACE "^-- [A-Za-z-]+: " "")
    set(files "")
    foreach(path IN LISTS lines)
        if(NOT IS_DIRECTORY "${path}")
            list(APPEND files "${path}")
        endif()
    endforeach()
    if(NOT files)
        message(FATAL_ERROR "installing ${build_dir} named no file:\n${out}")
    endif()
    set(${files_variable} "${files}" PARENT_SCOPE)
endfunction()

install_into_prefix("${QT5_BUILD_DIR}" qt5_files)
install_into_prefix("${QT6_BUILD_DIR}" qt6_files)

set(written_twice "")
foreach(path IN LISTS qt6_files)
    if(path IN_LIST qt5_files)
        list(APPEND written_twice "${path}")
    endif()
endforeach()
if(written_twice)
    list(JOIN written_twice "\n  " written_twice)
    message(FATAL_ERROR "the Qt 5 and Qt 6 builds both install:\n  ${written_twice}")
endif()
list(LENGTH qt5_files qt5_count)
list(LENGTH qt6_files qt6_count)
message(STATUS "${qt5_count} files from Qt 5 and ${qt6_count} from Qt 6 side by side in ${PREFIX}")
