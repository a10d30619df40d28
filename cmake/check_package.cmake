# Builds the Debian package, unpacks it into a fresh folder as dpkg lays it
# out, and runs the unpacked programs there: the command line solves an
# unpacked example and draws it with the pictures beside it, so a package
# that misses a file or puts the pictures where the program does not look
# fails here rather than on a school's computers. The desktop entry must find
# its icon there too.
#   -DCPACK=<cpack> -DBUILD=<build folder> -DOUT=<scratch folder>
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT}/package WORKING_DIRECTORY ${BUILD}
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${OUT}/package/*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no package:\n${log}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Depends OUTPUT_VARIABLE depends
                RESULT_VARIABLE rc)
foreach(needed libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libqt6charts6 libc6
               fonts-wqy-microhei
               fonts-liberation)
  if(NOT rc EQUAL 0 OR NOT depends MATCHES "${needed}")
    message(FATAL_ERROR "the package does not depend on ${needed}: ${depends}")
  endif()
endforeach()

set(root ${OUT}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot unpack ${debs}")
endif()
set(home ${root}/usr/lib/zentrik-voltaro)
foreach(file ${home}/voltaro ${home}/voltaro-cli ${root}/usr/bin/voltaro
             ${root}/usr/bin/voltaro-cli ${home}/obj/ptdz1.obj ${home}/obj/djct_s.obj
             ${home}/obj/bd.wav ${home}/obj/dl.wav ${home}/obj/bulb_burnt.bmp ${home}/show.bmp
             ${home}/warning.bmp ${home}/ehelp/index.htm
             ${root}/usr/share/zentrik-voltaro/examples/ohms_law.ele
             ${root}/usr/share/applications/zentrik-voltaro.desktop
             ${root}/usr/share/mime/packages/zentrik-voltaro.xml)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/desktop_icon.cmake)
check_desktop_icon(${root}/usr ${home})

# Through the link on the PATH, as a teacher would call it.
set(example ${root}/usr/share/zentrik-voltaro/examples/ohms_law.ele)
execute_process(COMMAND ${root}/usr/bin/voltaro-cli solve --json ${example}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT rc EQUAL 0 OR NOT report MATCHES "\"status\": 0")
  message(FATAL_ERROR "the unpacked voltaro-cli does not solve ${example}:\n${report}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ${root}/usr/bin/voltaro-cli render ${example} ${OUT}/ohms_law.png
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT rc EQUAL 0 OR NOT EXISTS ${OUT}/ohms_law.png)
  message(FATAL_ERROR "the unpacked voltaro-cli cannot draw with its own pictures:\n${log}")
endif()
