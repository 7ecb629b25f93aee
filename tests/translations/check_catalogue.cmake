# Runs lupdate over a copy of a committed catalogue, as the refresh target
# does: the copy must come out unchanged.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DCATALOGUE=... -DWORK_DIR=... -P check_catalogue.cmake

include(${SOURCE_DIR}/translations/lupdate.cmake)
vexaro_catalogue_language(language ${CATALOGUE})
get_filename_component(name ${CATALOGUE} NAME)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
configure_file(${CATALOGUE} ${WORK_DIR}/${name} COPYONLY)

execute_process(COMMAND ${LUPDATE} ${VEXARO_LUPDATE_OPTIONS} -target-language ${language}
                        ${SOURCE_DIR}/forms -ts ${WORK_DIR}/${name}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "lupdate failed (${result}):\n${output}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CATALOGUE} ${WORK_DIR}/${name}
                RESULT_VARIABLE differs)
if(differs)
    set(changes "")
    find_program(DIFF diff)
    if(DIFF)
        execute_process(COMMAND ${DIFF} -u ${CATALOGUE} ${WORK_DIR}/${name} OUTPUT_VARIABLE changes)
    endif()
    message(FATAL_ERROR "${CATALOGUE} is not in step with the forms. Refresh it with\n"
                        "  cmake --build <build> --target vexaroui_update_translations\n"
                        "and translate what comes in unfinished. What lupdate changes:\n${changes}")
endif()
