# GoogleTest: the system's build for native tests; for Windows, built here
# from Debian's source package with the cross compiler.
if(CMAKE_CROSSCOMPILING)
    set(TESSELUNE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
    if(NOT EXISTS ${TESSELUNE_GOOGLETEST_SOURCE}/CMakeLists.txt)
        message(FATAL_ERROR "No GoogleTest sources at ${TESSELUNE_GOOGLETEST_SOURCE}: install Debian's googletest package")
    endif()
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${TESSELUNE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
