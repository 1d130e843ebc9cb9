# Tests of a Windows build run its programs under Wine through the build's
# emulator, the Wine launcher. On a machine that cannot run this build's
# programs (32-bit ones, where the kernel runs no 32-bit code) the launcher
# and tests/wine/if-runnable end with code 77 and say why, and CTest reports
# the test as skipped: never as passed, never as failed.

# Sets VARIABLE to the command prefix of a test that is no Windows program
# itself but needs PROGRAM to run under Wine: a script that starts it, or a
# check of the files it made. Empty in native builds.
function(tesselune_if_runnable variable program)
    if(WIN32)
        set(${variable} ${PROJECT_SOURCE_DIR}/tests/wine/if-runnable ${program} PARENT_SCOPE)
    else()
        set(${variable} "" PARENT_SCOPE)
    endif()
endfunction()

# Lets every test of the calling folder report code 77 as skipped.
function(tesselune_skip_unrunnable_tests)
    get_property(tests DIRECTORY PROPERTY TESTS)
    if(WIN32 AND tests)
        set_tests_properties(${tests} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
endfunction()
