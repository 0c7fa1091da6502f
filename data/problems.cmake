# "Problemes": the shipped problems as game files with their comments,
# written from the text of data/problems by kv-problemgen.
set(kv_problem_source ${CMAKE_SOURCE_DIR}/data/problems/problemes.txt)
set(kv_problem_stamp ${CMAKE_BINARY_DIR}/problems.stamp)
add_custom_command(
  OUTPUT ${kv_problem_stamp}
  COMMAND kv-problemgen build ${kv_problem_source} ${KV_PROGRAM_DIR}/Problemes
  COMMAND ${CMAKE_COMMAND} -E touch ${kv_problem_stamp}
  DEPENDS kv-problemgen ${kv_problem_source}
  COMMENT "Writing Problemes/*.dam and their comments"
  VERBATIM)
add_custom_target(problems ALL DEPENDS ${kv_problem_stamp})
