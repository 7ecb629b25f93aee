# Installs the build into a scratch prefix and builds a small host against the
# installed package.
#
#   cmake -DBUILD=<build dir> -DWORK=<scratch dir> -DHOST_QT_MAJOR=<5|6>
#         -DQT_MAJOR=<the module's Qt major> -DGENERATOR=<generator>
#         -DCOMPILER=<c++ compiler> -P check_package.cmake
#
# With HOST_QT_MAJOR equal to QT_MAJOR the host must build and run. With the
# other major the package must refuse the host at configure time and say why;
# where that Qt is not installed the check says so and is skipped.

include(${CMAKE_CURRENT_LIST_DIR}/scratch_install.cmake)

execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/host -B ${WORK}/host -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${COMPILER} -DCMAKE_PREFIX_PATH=${WORK}/prefix -DHOST_QT_MAJOR=${HOST_QT_MAJOR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

if(NOT HOST_QT_MAJOR EQUAL QT_MAJOR)
    if(output MATCHES "no Qt ${HOST_QT_MAJOR} on this machine")
        message("SKIPPED: Qt ${HOST_QT_MAJOR} is not installed, so no such host can be tried")
        return()
    endif()
    if(result EQUAL 0)
        message(FATAL_ERROR "a Qt ${HOST_QT_MAJOR} host accepted the Qt ${QT_MAJOR} package:\n${output}")
    endif()
    # CMake wraps the message to its own width.
    string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
    if(NOT flat MATCHES "was built with Qt ${QT_MAJOR}, but this project uses Qt ${HOST_QT_MAJOR}")
        message(FATAL_ERROR "the package refused the Qt ${HOST_QT_MAJOR} host without saying why:\n${output}")
    endif()
    message(STATUS "the Qt ${QT_MAJOR} package refuses a Qt ${HOST_QT_MAJOR} host")
    return()
endif()

if(NOT result EQUAL 0)
    message(FATAL_ERROR "the host does not configure against the package:\n${output}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/host
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the host does not build against the package:\n${output}")
endif()
execute_process(COMMAND ${WORK}/host/host RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the host failed (${result}):\n${output}")
endif()
message(STATUS "${output}")
