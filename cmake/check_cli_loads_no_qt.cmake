# Fails when `voltaro-cli solve`, `convert` or `trace` is linked against,
# or loads while it runs, any Qt library or the window system and font
# libraries Qt brings along: those take longer to load than a whole
# analysis. Run with -DCLI=<voltaro-cli> -DEXPERIMENT=<file.ele> -DOUT=<dir>.
set(gui "lib(Qt[0-9A-Za-z]*|EGL|GLX|OpenGL|X11|xcb|xkbcommon|fontconfig|freetype|harfbuzz|icu[a-z]*)\\.so")

execute_process(COMMAND ldd ${CLI} OUTPUT_VARIABLE libs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd failed on ${CLI}")
endif()
if(libs MATCHES "${gui}")
  message(FATAL_ERROR "${CLI} is linked against ${CMAKE_MATCH_0}:\n${libs}")
endif()

file(MAKE_DIRECTORY ${OUT})
foreach(args "solve;--json;${EXPERIMENT}" "convert;${EXPERIMENT};${OUT}/converted.ele"
             "trace;${EXPERIMENT};--ticks;3" "trace;${EXPERIMENT};--ticks;3;--csv")
  string(REPLACE ";" " " command "${args}")
  # The dynamic loader lists every library it maps, dlopen'ed ones included.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=libs ${CLI} ${args}
                  OUTPUT_QUIET ERROR_VARIABLE loaded RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "voltaro-cli ${command} exited with ${rc}")
  endif()
  if(NOT loaded MATCHES "calling init: [^\n]*libc\\.so")
    message(FATAL_ERROR "the dynamic loader listed nothing for voltaro-cli ${command}:\n${loaded}")
  endif()
  if(loaded MATCHES "${gui}")
    message(FATAL_ERROR "voltaro-cli ${command} loaded ${CMAKE_MATCH_0}")
  endif()
endforeach()
message(STATUS "voltaro-cli solves, converts and traces without Qt")
