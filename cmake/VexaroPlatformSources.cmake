# Sources that differ between Windows and every other platform.
#
# vexaro_platform_sources(<target> [WINDOWS <file>...] [OTHER <file>...])
#
# Adds the files of the platform being built to <target> and records both sets
# on it, as absolute paths, in the target properties VEXARO_WINDOWS_SOURCES and
# VEXARO_OTHER_SOURCES. The Windows compile check (tests/windows) reads them to
# compile, on a build that is not for Windows, exactly what a Windows build
# compiles; a Windows-only file added any other way goes unchecked there.

include_guard(GLOBAL)

function(vexaro_platform_sources target)
    cmake_parse_arguments(arg "" "" "WINDOWS;OTHER" ${ARGN})
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vexaro_platform_sources(${target}): unexpected ${arg_UNPARSED_ARGUMENTS}")
    endif()
    foreach(kind IN ITEMS WINDOWS OTHER)
        set(files)
        foreach(file IN LISTS arg_${kind})
            get_filename_component(file ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
            list(APPEND files ${file})
        endforeach()
        set(${kind}_files ${files})
        set_property(TARGET ${target} APPEND PROPERTY VEXARO_${kind}_SOURCES ${files})
    endforeach()
    if(WIN32)
        target_sources(${target} PRIVATE ${WINDOWS_files})
    else()
        target_sources(${target} PRIVATE ${OTHER_files})
    endif()
endfunction()
