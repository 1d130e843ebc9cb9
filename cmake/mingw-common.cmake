# Shared part of the MinGW-w64 toolchain files: finds the cross tools for
# TESSELUNE_MINGW_TRIPLE and stops the configure step when one is missing.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TESSELUNE_MINGW_ARCH})

# The posix thread model: GoogleTest needs std::mutex, which the win32 model
# of Debian's MinGW-w64 GCC lacks. Linked statically, it adds no DLL.
foreach(tool IN ITEMS gcc g++ windres)
    find_program(TESSELUNE_MINGW_${tool} NAMES ${TESSELUNE_MINGW_TRIPLE}-${tool}-posix ${TESSELUNE_MINGW_TRIPLE}-${tool})
    if(NOT TESSELUNE_MINGW_${tool})
        message(FATAL_ERROR "${TESSELUNE_MINGW_TRIPLE}-${tool} not found: install Debian's mingw-w64 packages")
    endif()
endforeach()

set(CMAKE_C_COMPILER ${TESSELUNE_MINGW_gcc})
set(CMAKE_CXX_COMPILER ${TESSELUNE_MINGW_g++})
set(CMAKE_RC_COMPILER ${TESSELUNE_MINGW_windres})

set(CMAKE_FIND_ROOT_PATH /usr/${TESSELUNE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests of the Windows build run under Wine, with the loader each program
# asks for; the test run's session supplies the prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-program)
