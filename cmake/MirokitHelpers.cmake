# Build helpers shared by the library, its tests, benchmarks, fuzz targets and the gallery.

list(APPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")

# Directory that receives the <Mirokit/ClassName.h> forwarding headers and the umbrella header.
set(MIROKIT_FORWARD_INCLUDE_DIR "${PROJECT_BINARY_DIR}/include")

# Flags for the sanitizer build; kept in a variable so the packaging test can hand them on.
set(MIROKIT_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
set(MIROKIT_SANITIZE_THREAD_FLAGS -fsanitize=thread -fno-omit-frame-pointer)

function(mirokit_setup_compiler_flags)
    add_compile_options(-Wall -Wextra -Wpedantic)
    # RUNPATH rather than RPATH: LD_LIBRARY_PATH still comes first, as a user expects.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE)
        add_link_options("LINKER:--enable-new-dtags")
    endif()
    if(MIROKIT_WERROR)
        add_compile_options(-Werror)
    endif()
    if(MIROKIT_SANITIZE AND MIROKIT_SANITIZE_THREAD)
        message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer: use one build each")
    endif()
    if(MIROKIT_SANITIZE)
        add_compile_options(${MIROKIT_SANITIZE_FLAGS})
        add_link_options(${MIROKIT_SANITIZE_FLAGS})
    endif()
    if(MIROKIT_SANITIZE_THREAD)
        add_compile_options(${MIROKIT_SANITIZE_THREAD_FLAGS})
        add_link_options(${MIROKIT_SANITIZE_THREAD_FLAGS})
    endif()
    if(MIROKIT_FUZZ)
        if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
            message(FATAL_ERROR "MIROKIT_FUZZ needs clang (configure with CXX=clang++)")
        endif()
        # Coverage feedback for the library too, not only for the fuzz drivers.
        add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
        add_link_options(-fsanitize=address,undefined)
    endif()
endfunction()

# Settings shared by the core library and every component library: warnings-clean Qt usage, the
# forwarding headers on the include path, and calls inside the library bound inside it.
function(mirokit_configure_library target)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
        QT_USE_QSTRINGBUILDER)
    target_include_directories(${target} PUBLIC
        "$<BUILD_INTERFACE:${MIROKIT_FORWARD_INCLUDE_DIR}>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>"
        "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/Mirokit>")
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    # The library's calls to its own functions bind inside it, as in Qt's libraries (whose hosts
    # are position independent for the same reason): no detour through the PLT on hot paths.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE)
        target_link_options(${target} PRIVATE "LINKER:-Bsymbolic-functions")
    endif()
endfunction()

# mirokit_add_component(Name [QT module...] [PACKAGES package...] [LIBRARIES lib...]
#                       [PKGCONFIG_LIBS flag...])
#
# A component is a library of its own beside the core, for code whose dependencies carry another
# licence or weight than the core's: the target Mirokit<Name>, used as Mirokit::<Name> and found
# with find_package(Mirokit COMPONENTS <Name>). QT names the Qt 5 modules its public headers need,
# PACKAGES the other CMake packages a host must find for it (a Find<package>.cmake in cmake/ is
# installed with it), LIBRARIES what it links privately, PKGCONFIG_LIBS the linker flags its
# pkg-config file adds for a package that has no pkg-config file of its own. Its sources define
# MIROKIT_BUILDING_<NAME> for their export macro; its classes are added with
# mirokit_add_classes(COMPONENT <Name> ...).
function(mirokit_add_component name)
    cmake_parse_arguments(ARG "" "" "QT;PACKAGES;LIBRARIES;PKGCONFIG_LIBS" ${ARGN})
    set(target Mirokit${name})
    string(TOUPPER "${name}" upper_name)
    add_library(${target} SHARED)
    add_library(Mirokit::${name} ALIAS ${target})
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${name})
    mirokit_configure_library(${target})
    target_compile_definitions(${target} PRIVATE MIROKIT_BUILDING_${upper_name})
    target_link_libraries(${target} PUBLIC Mirokit)
    foreach(module IN LISTS ARG_QT)
        target_link_libraries(${target} PUBLIC Qt${MIROKIT_QT_MAJOR}::${module})
    endforeach()
    target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES})
    set_property(GLOBAL APPEND PROPERTY MIROKIT_COMPONENTS ${name})
    set_property(GLOBAL PROPERTY MIROKIT_COMPONENT_QT_${name} ${ARG_QT})
    set_property(GLOBAL PROPERTY MIROKIT_COMPONENT_PACKAGES_${name} ${ARG_PACKAGES})
    set_property(GLOBAL PROPERTY MIROKIT_COMPONENT_PKGCONFIG_LIBS_${name} ${ARG_PKGCONFIG_LIBS})
endfunction()

# mirokit_add_classes([COMPONENT Name] ClassName [ClassName=basename] ...)
#
# Adds <basename>.h/.cpp of the calling subsystem folder to the core library, or to the component
# library given by COMPONENT (basename defaults to the lower-cased class name), installs the
# header and publishes it as <Mirokit/ClassName.h>. A class that lives in another class's header
# is given as Alias=basename.
function(mirokit_add_classes)
    cmake_parse_arguments(ARG "" "COMPONENT" "" ${ARGN})
    if(ARG_COMPONENT)
        set(target Mirokit${ARG_COMPONENT})
        set(property_suffix "_${ARG_COMPONENT}")
    else()
        set(target Mirokit)
        set(property_suffix "")
    endif()
    foreach(entry IN LISTS ARG_UNPARSED_ARGUMENTS)
        if(entry MATCHES "^([A-Za-z0-9_]+)=([A-Za-z0-9_]+)$")
            set(class_name "${CMAKE_MATCH_1}")
            set(base_name "${CMAKE_MATCH_2}")
        else()
            set(class_name "${entry}")
            string(TOLOWER "${entry}" base_name)
        endif()
        set(header "${CMAKE_CURRENT_SOURCE_DIR}/${base_name}.h")
        set(source "${CMAKE_CURRENT_SOURCE_DIR}/${base_name}.cpp")
        if(NOT EXISTS "${header}")
            message(FATAL_ERROR "mirokit_add_classes: ${header} does not exist")
        endif()
        target_sources(${target} PRIVATE "${header}")
        if(EXISTS "${source}")
            target_sources(${target} PRIVATE "${source}")
        endif()
        set_property(GLOBAL APPEND PROPERTY MIROKIT_PUBLIC_HEADERS${property_suffix} "${header}")
        set_property(GLOBAL APPEND PROPERTY MIROKIT_FORWARDERS${property_suffix} "${class_name}|${base_name}.h")
    endforeach()
    target_include_directories(${target} PUBLIC "$<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>")
endfunction()

# mirokit_generate_public_headers([Name])
#
# Writes the forwarding headers and the umbrella header (<Mirokit/Mirokit.h>, or
# <Mirokit/Mirokit<Name>.h> for a component) once every subsystem has added its classes; the list
# of files written is left in MIROKIT_FORWARD_HEADERS.
function(mirokit_generate_public_headers)
    if(ARGC GREATER 0)
        set(property_suffix "_${ARGV0}")
        set(library "Mirokit${ARGV0}")
    else()
        set(property_suffix "")
        set(library "Mirokit")
    endif()
    get_property(forwarders GLOBAL PROPERTY MIROKIT_FORWARDERS${property_suffix})
    list(REMOVE_DUPLICATES forwarders)
    list(SORT forwarders)
    set(forward_dir "${MIROKIT_FORWARD_INCLUDE_DIR}/Mirokit")
    set(umbrella "// Generated by the build: every public header of ${library}.\n#pragma once\n\n")
    set(forward_files "")
    foreach(entry IN LISTS forwarders)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 class_name)
        list(GET parts 1 header_name)
        set(file "${forward_dir}/${class_name}.h")
        file(CONFIGURE OUTPUT "${file}" CONTENT "#include \"${header_name}\"\n")
        list(APPEND forward_files "${file}")
        string(APPEND umbrella "#include \"${header_name}\"\n")
    endforeach()
    file(CONFIGURE OUTPUT "${forward_dir}/${library}.h" CONTENT "${umbrella}")
    list(APPEND forward_files "${forward_dir}/${library}.h")
    set(MIROKIT_FORWARD_HEADERS "${forward_files}" PARENT_SCOPE)
endfunction()

# Test executables: Qt Test, offscreen, each with a settings store of its own. THREADS marks a
# test that runs code on several threads: it gets the label "threads", which the ThreadSanitizer
# run (scripts/test --sanitize=thread) selects. DPR2 marks a test that draws or measures: it runs
# a second time as <name>_ratio2 at the device pixel ratio of 2 (label "dpr2"), so that what
# assumes whole device pixels fails there.
function(mirokit_add_test name)
    cmake_parse_arguments(ARG "THREADS;DPR2" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Mirokit mirokit_testsupport Qt${MIROKIT_QT_MAJOR}::Test ${ARG_LIBRARIES})
    mirokit_register_test(${name} ${name} "")
    if(ARG_THREADS)
        set_tests_properties(${name} PROPERTIES LABELS threads)
    endif()
    if(ARG_DPR2)
        mirokit_register_test(${name}_ratio2 ${name} "QT_SCALE_FACTOR=2")
        set_tests_properties(${name}_ratio2 PROPERTIES LABELS dpr2)
    endif()
endfunction()

# Registers the executable \a target as the test \a name, in a home folder of its own (with its
# own temporary folder: CTest runs a test and its _ratio2 twin at once, and a fixed name in a
# shared /tmp would have them race), with the extra environment entries \a extra_environment.
function(mirokit_register_test name target extra_environment)
    add_test(NAME ${name} COMMAND ${target})
    set(home "${CMAKE_CURRENT_BINARY_DIR}/${name}.home")
    file(MAKE_DIRECTORY "${home}/run" "${home}/tmp")
    file(CHMOD "${home}/run" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    # die_after_fork=0: Qt 6's QProcess starts programs with vfork, whose child shares the
    # parent's memory and so marks the parent as forked too; the next thread the parent starts
    # (libcurl's resolver in the mail tests) would then be refused.
    set(environment "QT_QPA_PLATFORM=offscreen;HOME=${home};TMPDIR=${home}/tmp;XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/run;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/tsan.supp:halt_on_error=1:second_deadlock_stack=1:die_after_fork=0")
    if(extra_environment)
        string(APPEND environment ";${extra_environment}")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()

function(mirokit_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Mirokit mirokit_benchsupport ${ARG_LIBRARIES})
    set_property(GLOBAL APPEND PROPERTY MIROKIT_BENCHMARKS ${name})
endfunction()

# libFuzzer targets; CORPUS names a folder of seed inputs beside the driver.
function(mirokit_add_fuzzer name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Mirokit mirokit_fuzzsupport ${ARG_LIBRARIES})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    set(corpus "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_CORPUS}")
    set_property(GLOBAL APPEND PROPERTY MIROKIT_FUZZERS "${name}|${corpus}")
endfunction()

# Adds every direct subfolder of the calling folder that has a CMakeLists.txt, in name order, so
# each subsystem keeps its tests, benchmarks and fuzz targets in a folder of its own.
function(mirokit_add_subsystem_folders)
    file(GLOB entries LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
    list(SORT entries)
    foreach(entry IN LISTS entries)
        if(IS_DIRECTORY "${entry}" AND EXISTS "${entry}/CMakeLists.txt")
            add_subdirectory("${entry}")
        endif()
    endforeach()
endfunction()

# mirokit_split_objects(target)
#
# Moves the code of a library into the object library <target>_objects, whose objects the library
# then takes: a build tool can so link the library's code without the library itself (the script
# word lists are read from the code's meta-objects and then compiled into the library). Called once
# every folder has added its sources; sources given as generator expressions (objects compiled
# elsewhere, like the resource collection) stay with the library. A link to the core library
# becomes a link to the core's objects, so a component's objects can be linked beside them.
function(mirokit_split_objects target)
    set(objects ${target}_objects)
    get_target_property(sources ${target} SOURCES)
    set(own_sources "")
    set(kept_sources "")
    foreach(source IN LISTS sources)
        if(source MATCHES "^\\$<")
            list(APPEND kept_sources "${source}")
        else()
            get_target_property(source_dir ${target} SOURCE_DIR)
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${source_dir}")
            list(APPEND own_sources "${source}")
        endif()
    endforeach()
    add_library(${objects} OBJECT ${own_sources})
    set_target_properties(${objects} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    foreach(property COMPILE_DEFINITIONS COMPILE_OPTIONS INCLUDE_DIRECTORIES LINK_LIBRARIES
            INTERFACE_COMPILE_DEFINITIONS INTERFACE_INCLUDE_DIRECTORIES INTERFACE_LINK_LIBRARIES)
        get_target_property(value ${target} ${property})
        if(value)
            list(TRANSFORM value REPLACE "^Mirokit$" "Mirokit_objects")
            set_property(TARGET ${objects} PROPERTY ${property} "${value}")
        endif()
    endforeach()
    set_property(TARGET ${target} PROPERTY SOURCES ${kept_sources} "$<TARGET_OBJECTS:${objects}>")
endfunction()

# mirokit_compile_resources(name SOURCE var [QRC var] ENTRIES alias|path... [DEPENDS file...])
#
# Writes <name>.qrc, which puts every entry's file under ":/Resources/<alias>", and a rule that
# compiles it with rcc. SOURCE receives the generated source to build into a library, QRC the
# .qrc file. DEPENDS names generated files the collection must wait for.
function(mirokit_compile_resources name)
    cmake_parse_arguments(ARG "" "SOURCE;QRC" "ENTRIES;DEPENDS" ${ARGN})
    set(qrc_entries "")
    foreach(entry IN LISTS ARG_ENTRIES)
        string(REPLACE "|" ";" parts "${entry}")
        list(GET parts 0 alias)
        list(GET parts 1 path)
        string(APPEND qrc_entries "        <file alias=\"${alias}\">${path}</file>\n")
    endforeach()
    set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc")
    file(CONFIGURE OUTPUT "${qrc}" CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
    <qresource prefix=\"/Resources\">
${qrc_entries}    </qresource>
</RCC>
")
    set(qrc_source "${CMAKE_CURRENT_BINARY_DIR}/qrc_${name}.cpp")
    add_custom_command(OUTPUT "${qrc_source}"
        COMMAND Qt${MIROKIT_QT_MAJOR}::rcc --name ${name} --output "${qrc_source}" "${qrc}"
        DEPENDS "${qrc}" ${ARG_DEPENDS}
        COMMENT "Compiling the ${name} resource collection" VERBATIM)
    set_source_files_properties("${qrc_source}" PROPERTIES SKIP_AUTOMOC ON)
    set(${ARG_SOURCE} "${qrc_source}" PARENT_SCOPE)
    if(ARG_QRC)
        set(${ARG_QRC} "${qrc}" PARENT_SCOPE)
    endif()
endfunction()
