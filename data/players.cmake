# "joueurs.dat" and "points.dat": the registry a new user starts from (the
# engine on line 0 at 2050, and "Inconnu"), written by the registry's own writer.
set(kv_players_files ${KV_PROGRAM_DIR}/joueurs.dat ${KV_PROGRAM_DIR}/points.dat)
add_custom_command(
  OUTPUT ${kv_players_files}
  COMMAND kv-playersgen ${KV_PROGRAM_DIR}
  DEPENDS kv-playersgen
  COMMENT "Writing joueurs.dat and points.dat"
  VERBATIM)
add_custom_target(kv_players_data ALL DEPENDS ${kv_players_files})
