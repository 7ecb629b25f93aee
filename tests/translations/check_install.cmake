# Installs the build into a scratch prefix, then configures a host project
# that finds the translations through the installed CMake package.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DHOST_DIR=... -DGENERATOR=... -DQT_WIDGETS_DIR=...
#         -P check_install.cmake

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

# The host project enables no language, so CMake does not know the multiarch
# folder Debian keeps Qt's packages in: it is given the build's Qt.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${HOST_DIR} -B ${WORK_DIR}/host -G ${GENERATOR}
                        -DCMAKE_PREFIX_PATH=${prefix} -DQt5Widgets_DIR=${QT_WIDGETS_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "the host project does not configure against the installation:\n${output}")
endif()
message(STATUS "${output}")
