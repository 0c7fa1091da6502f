# The lessons "parametres/lecon_1.dal" .. "lecon_3.dal" and the learned
# positions "damas.dat": positions reached in self-play from the balanced
# openings of ballots.txt, each with the score of a deeper search, learned
# by kv-lessongen. The user's "parametres" folder is seeded from them.
set(kv_lesson_files ${KV_PROGRAM_DIR}/damas.dat)
foreach(n 1 2 3)
  list(APPEND kv_lesson_files ${KV_PROGRAM_DIR}/parametres/lecon_${n}.dal)
endforeach()
add_custom_command(
  OUTPUT ${kv_lesson_files}
  COMMAND kv-lessongen ${CMAKE_CURRENT_SOURCE_DIR}/ballots.txt ${KV_PROGRAM_DIR}
  DEPENDS kv-lessongen ${CMAKE_CURRENT_SOURCE_DIR}/ballots.txt
  COMMENT "Learning the shipped lessons and damas.dat from self-play"
  VERBATIM)
add_custom_target(lessons ALL DEPENDS ${kv_lesson_files})
