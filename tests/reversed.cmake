# Runs a Qt Test program with its test functions in reverse order, so that a test that
# leans on what an earlier one left behind fails:
#   cmake -DPROGRAM=/path/to/tst_x -P reversed.cmake
if(NOT PROGRAM)
    message(FATAL_ERROR "PROGRAM names no test program")
endif()

# The listing ends the program before its objects go, which a leak checker would report.
set(asan_options "$ENV{ASAN_OPTIONS}")
set(ENV{ASAN_OPTIONS} "${asan_options}:detect_leaks=0")
execute_process(COMMAND ${PROGRAM} -functions
    OUTPUT_VARIABLE listing
    RESULT_VARIABLE result)
set(ENV{ASAN_OPTIONS} "${asan_options}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} -functions failed: ${result}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(functions)
foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
        list(PREPEND functions ${CMAKE_MATCH_1})
    endif()
endforeach()
if(NOT functions)
    message(FATAL_ERROR "${PROGRAM} lists no test functions")
endif()

execute_process(COMMAND ${PROGRAM} ${functions} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    string(REPLACE ";" " " order "${functions}")
    message(FATAL_ERROR "${PROGRAM} failed with its functions in this order: ${order}")
endif()
