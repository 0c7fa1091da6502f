# "ballots.txt": the balanced openings of korvelan-cli match, kept as text in
# the repository (made once by `korvelan-cli ballots`, a slow search) and
# copied beside the executables.
add_custom_command(
  OUTPUT ${KV_PROGRAM_DIR}/ballots.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/ballots.txt ${KV_PROGRAM_DIR}/ballots.txt
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ballots.txt
  COMMENT "Copying ballots.txt"
  VERBATIM)
add_custom_target(ballots ALL DEPENDS ${KV_PROGRAM_DIR}/ballots.txt)
