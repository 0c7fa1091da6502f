# "Problemes": the shipped problems as game files with their statements and
# the list the window judges answers from, written from the text of
# data/problems by kv-problemgen, which first proves every problem with the
# endgame tables: a problem that is not true stops the build.
set(kv_problem_source ${CMAKE_SOURCE_DIR}/data/problems/problemes.txt)
set(kv_problem_stamp ${CMAKE_BINARY_DIR}/problems.stamp)
add_custom_command(
  OUTPUT ${kv_problem_stamp}
  COMMAND kv-problemgen prove ${kv_problem_source} ${KV_PROGRAM_DIR}
  COMMAND kv-problemgen build ${kv_problem_source} ${KV_PROGRAM_DIR}/Problemes
  COMMAND ${CMAKE_COMMAND} -E touch ${kv_problem_stamp}
  DEPENDS kv-problemgen ${kv_problem_source} ${KV_PROGRAM_DIR}/tables.sum
  COMMENT "Proving the problems, then writing Problemes/*.dam, their statements and their list"
  VERBATIM)
add_custom_target(problems ALL DEPENDS ${kv_problem_stamp})
