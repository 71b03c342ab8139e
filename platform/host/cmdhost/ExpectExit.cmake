# cmake -DEXE=cmdhost -DCODE=N "-DARGS=a|b c|d" -P ExpectExit.cmake: runs EXE with the
# arguments ARGS separates by '|' and fails unless it exits with CODE.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EXE} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL CODE)
  message(FATAL_ERROR "exit code ${rc}, expected ${CODE}\n${out}${err}")
endif()
