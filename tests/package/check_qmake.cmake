# Installs the build into a scratch prefix and builds the package host with
# qmake against the installed VexaroUI_NEW.pc, then runs it.
#
#   cmake -DBUILD=<build dir> -DWORK=<scratch dir> -DQMAKE=<qmake of the module's Qt>
#         -P check_qmake.cmake

include(${CMAKE_CURRENT_LIST_DIR}/scratch_install.cmake)
file(GLOB_RECURSE pc_files ${WORK}/prefix/VexaroUI_NEW.pc)
list(LENGTH pc_files count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "the install holds ${count} VexaroUI_NEW.pc files, not one: ${pc_files}")
endif()
get_filename_component(pc_dir ${pc_files} DIRECTORY)

function(run what)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pc_dir} ${ARGN}
                    WORKING_DIRECTORY ${WORK}/host
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed (${result}):\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY ${WORK}/host)
run("qmake" ${QMAKE} ${CMAKE_CURRENT_LIST_DIR}/qmakehost/host.pro)
run("make" make)
run("the host" ${WORK}/host/host)
message(STATUS "${output}")
