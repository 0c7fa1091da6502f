# The shipped opening libraries "ouvert_b.ouv" and "ouvert_n.ouv". They were
# written by tools/bookgen from deep searches of the engine; a run takes the
# better part of an hour, so its output is kept in the repository.
set(kv_opening_files)
foreach(name ouvert_b.ouv ouvert_n.ouv)
  add_custom_command(
    OUTPUT ${KV_PROGRAM_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/openings/${name} ${KV_PROGRAM_DIR}/${name}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/openings/${name}
    COMMENT "Installing ${name}")
  list(APPEND kv_opening_files ${KV_PROGRAM_DIR}/${name})
endforeach()
add_custom_target(openings ALL DEPENDS ${kv_opening_files})
