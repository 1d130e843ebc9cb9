# A subsystem is one folder, split by file name. Its portable core is every
# C++ file whose name does not end in _win32: NAME_core, a static library that
# every build makes, the native one included, so that a Windows header in a
# core file fails the build. Its Win32 edge is every file whose name ends in
# _win32: NAME_win32, a static library of the Windows builds on top of the
# core. A file ending in _main_win32.cpp is a program's entry point: it goes
# into that program only.
#
#   tesselune_subsystem(NAME [SEAM] [CORE_LINKS target...]
#                       [WIN32_LINKS target...] [GENERATED source...])
#
# SEAM: the core calls functions that the edge defines (and that tests may
# define instead); in the Windows builds the core then links its edge, so
# they resolve whatever the link order. GENERATED adds core sources made in
# the build folder.
function(tesselune_subsystem name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "SEAM" "" "CORE_LINKS;WIN32_LINKS;GENERATED")
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set(core ${sources})
    list(FILTER core EXCLUDE REGEX "_win32\\.cpp$")
    set(edge ${sources})
    list(FILTER edge INCLUDE REGEX "_win32\\.cpp$")
    list(FILTER edge EXCLUDE REGEX "_main_win32\\.cpp$")

    if(core OR arg_GENERATED)
        add_library(${name}_core STATIC ${core} ${arg_GENERATED})
        target_include_directories(${name}_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${name}_core PUBLIC ${arg_CORE_LINKS})
    else()
        add_library(${name}_core INTERFACE)
        target_include_directories(${name}_core INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
        target_link_libraries(${name}_core INTERFACE ${arg_CORE_LINKS})
    endif()

    if(WIN32 AND edge)
        add_library(${name}_win32 STATIC ${edge})
        target_link_libraries(${name}_win32 PUBLIC ${name}_core ${arg_WIN32_LINKS})
        if(arg_SEAM)
            target_link_libraries(${name}_core PUBLIC ${name}_win32)
        endif()
    endif()
endfunction()
