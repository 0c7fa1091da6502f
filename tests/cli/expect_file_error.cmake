# Runs `korvelan-cli ARGS` (a ;-list) and expects exit status 2 with one line on
# stderr; MATCH, when given, is a regular expression that line must match.
execute_process(COMMAND ${CLI} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "exit status ${rc} for '${ARGS}', expected 2")
endif()
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines n)
if(NOT n EQUAL 1 OR NOT err MATCHES "^korvelan-cli: ")
  message(FATAL_ERROR "expected one line of reason, got: ${err}")
endif()
if(DEFINED MATCH AND NOT err MATCHES "${MATCH}")
  message(FATAL_ERROR "the reason does not say '${MATCH}': ${err}")
endif()
