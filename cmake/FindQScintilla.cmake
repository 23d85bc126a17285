# Debian's libqscintilla2-qt5-dev and libqscintilla2-qt6-dev ship no CMake package: locate the
# header and library by hand and present them as the imported target QScintilla::QScintilla.
# QScintilla_QT_MAJOR (5 unless set, or MIROKIT_QT_MAJOR in Mirokit's own build) picks the
# build for that Qt version.
if(NOT DEFINED QScintilla_QT_MAJOR)
    if(DEFINED MIROKIT_QT_MAJOR)
        set(QScintilla_QT_MAJOR ${MIROKIT_QT_MAJOR})
    else()
        set(QScintilla_QT_MAJOR 5)
    endif()
endif()
find_path(QScintilla_INCLUDE_DIR
    NAMES Qsci/qsciscintilla.h
    PATH_SUFFIXES qt${QScintilla_QT_MAJOR} x86_64-linux-gnu/qt${QScintilla_QT_MAJOR})
find_library(QScintilla_LIBRARY
    NAMES qscintilla2_qt${QScintilla_QT_MAJOR} qscintilla2)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla
    REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
    add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
    set_target_properties(QScintilla::QScintilla PROPERTIES
        IMPORTED_LOCATION "${QScintilla_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${QScintilla_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "Qt${QScintilla_QT_MAJOR}::Widgets;Qt${QScintilla_QT_MAJOR}::PrintSupport")
endif()
mark_as_advanced(QScintilla_INCLUDE_DIR QScintilla_LIBRARY)
