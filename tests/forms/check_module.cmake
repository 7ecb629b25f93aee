# Checks the module's symbols: it exports the two entry points and, besides
# them, only the custom widget classes; and it does no work at load time (no
# static initialiser).
# cmake -DNM=<nm> -DMODULE=<path> [-DSANITIZED=ON] -P check_module.cmake

# GCC and Clang name every static initialiser function _GLOBAL__sub_I_<file>.
# A sanitizer build adds one to every file for the sanitizer's own set-up, so
# there only the normal build can tell.
if(SANITIZED)
    message(STATUS "static initialisers not checked: sanitizer build")
else()
    execute_process(COMMAND ${NM} ${MODULE} OUTPUT_VARIABLE all_symbols RESULT_VARIABLE result)
    if(result EQUAL 0 AND all_symbols MATCHES "_GLOBAL__sub_I_([^\n]*)")
        message(FATAL_ERROR "the module runs code at load time: _GLOBAL__sub_I_${CMAKE_MATCH_1}")
    endif()
endif()

execute_process(COMMAND ${NM} -D --defined-only -C ${MODULE}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${MODULE}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(entry_points 0)
foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-f]+ [A-Za-z] (.*)$")
        set(symbol "${CMAKE_MATCH_1}")
    else()
        continue()
    endif()
    if(symbol MATCHES "^(create_UIFactory|destroy_UIFactory)$")
        math(EXPR entry_points "${entry_points} + 1")
    elseif(symbol MATCHES "^(_edata|_end|__bss_start|_init|_fini)$")
    elseif(symbol MATCHES "(^|[ :])(MultiStateToolButton|QNoPageSlider|QNoPageScrollBar|qelidedlabel|QTouchFrame|TouchPushButton|TouchToolButton)(::|$)")
    else()
        message(SEND_ERROR "unexpected export: ${symbol}")
    endif()
endforeach()
if(NOT entry_points EQUAL 2)
    message(FATAL_ERROR "create_UIFactory and destroy_UIFactory must both be exported")
endif()

