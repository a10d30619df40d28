# Installs the build into a fresh folder, finds the icon its desktop entry
# names, and runs the installed voltaro-cli there: it solves an installed
# example, and `render` finds the picture program and the pictures beside
# it. Run with -DBUILD=<build dir>
# -DPREFIX=<empty folder> -DHOME_DIR=<program folder under the prefix>.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${err}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/desktop_icon.cmake)
check_desktop_icon(${PREFIX} ${PREFIX}/${HOME_DIR})

set(cli ${PREFIX}/${HOME_DIR}/voltaro-cli)
set(example ${PREFIX}/share/zentrik-voltaro/examples/ohms_law.ele)
execute_process(COMMAND ${cli} solve --json ${example} OUTPUT_VARIABLE report RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT report MATCHES "\"status\": 0")
  message(FATAL_ERROR "the installed voltaro-cli could not solve ${example} (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${cli} render ${example} ${PREFIX}/ohms_law.png --circuit
                ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS ${PREFIX}/ohms_law.png)
  message(FATAL_ERROR "the installed voltaro-cli could not render ${example} (${rc}):\n${err}")
endif()
message(STATUS "the installed voltaro-cli solves and renders")
