# One of the check's parallel workers: compiles the units it is given, one
# after the other, keeping each one's output and exit code beside its
# response file. It prints nothing: its standard output is the next worker's
# standard input.
#
#   cmake -DCXX=<compiler> -DWORK=<dir> -DUNITS=<n>,<n>,... -P compile_worker.cmake

string(REPLACE "," ";" units "${UNITS}")
foreach(unit IN LISTS units)
    set(base ${WORK}/units/${unit})
    execute_process(COMMAND ${CXX} @${base}.rsp
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    file(WRITE ${base}.log "${output}")
    file(WRITE ${base}.result "${result}")
endforeach()
