# "parametres/defaut.par": the default evaluation parameters, written from
# the set compiled into the program (eval/default_parameters.cpp).
set(kv_default_par ${KV_PROGRAM_DIR}/parametres/defaut.par)
add_custom_command(
  OUTPUT ${kv_default_par}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_PROGRAM_DIR}/parametres
  COMMAND kv-paramgen ${kv_default_par}
  DEPENDS kv-paramgen
  COMMENT "Writing parametres/defaut.par"
  VERBATIM)
add_custom_target(parameters ALL DEPENDS ${kv_default_par})
