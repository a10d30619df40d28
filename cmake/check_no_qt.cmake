# Fails when a core test program is linked against any Qt library: the
# bench's heart must run where no Qt is installed.
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE libs RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "ldd failed on ${program}")
  endif()
  if(libs MATCHES "libQt")
    message(FATAL_ERROR "${program} links Qt:\n${libs}")
  endif()
endforeach()
message(STATUS "no Qt in: ${PROGRAMS}")
