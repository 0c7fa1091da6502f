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
# Two stored sets in "parametres", which the user's folder is seeded from:
# the whole book, so that "Changer bibliothèque ouvertures" can always go
# back to it, and a narrower one holding only the lines that start with 12-15.
set(kv_set_script ${CMAKE_CURRENT_SOURCE_DIR}/openings/opening_set.cmake)
foreach(set "Korvelan_complet|" "Korvelan_12-15|12-15 ")
  string(REPLACE "|" ";" parts "${set}")
  list(GET parts 0 name)
  list(LENGTH parts n)
  set(prefix "")
  if(n GREATER 1)
    list(GET parts 1 prefix)
  endif()
  set(base ${KV_PROGRAM_DIR}/parametres/${name})
  add_custom_command(
    OUTPUT ${base}.ovv ${base}_b.ouv ${base}_n.ouv
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_PROGRAM_DIR}/parametres
    COMMAND ${CMAKE_COMMAND} -DWHITE=${CMAKE_CURRENT_SOURCE_DIR}/openings/ouvert_b.ouv
            -DBLACK=${CMAKE_CURRENT_SOURCE_DIR}/openings/ouvert_n.ouv "-DPREFIX=${prefix}"
            -DSET=${base} "-DTITLE=${name}" -P ${kv_set_script}
    DEPENDS ${kv_set_script} ${CMAKE_CURRENT_SOURCE_DIR}/openings/ouvert_b.ouv
            ${CMAKE_CURRENT_SOURCE_DIR}/openings/ouvert_n.ouv
    COMMENT "Writing the opening set ${name}"
    VERBATIM)
  list(APPEND kv_opening_files ${base}.ovv)
endforeach()
add_custom_target(openings ALL DEPENDS ${kv_opening_files})
