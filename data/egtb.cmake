# The 22 endgame tables, solved by our own retrograde solver (the learned
# positions "damas.dat" come from self-play: lessons.cmake).
set(kv_egtb_names
    dod.bib ddod.bib dodd.bib dop.alb pod.alb pop.alb pdod.alb dopd.alb podd.alb ddop.alb pdop.alb
    popd.alb dopp.alb ppod.alb popp.alb ppop.alb dddod.bib doddd.bib pddod.alb dopdd.alb ppdod.alb doppd.alb)
# tables.sum holds their checksums, checked whenever they are read.
set(kv_egtb_files ${KV_PROGRAM_DIR}/tables.sum)
foreach(name ${kv_egtb_names})
  list(APPEND kv_egtb_files ${KV_PROGRAM_DIR}/${name})
endforeach()

# The tables depend on the solver and the rules, not on the rest of the
# command-line tool: naming the tool only in COMMAND orders the build without
# re-solving after every relink of korvelan-cli.
add_custom_command(
  OUTPUT ${kv_egtb_files}
  COMMAND korvelan-cli egtb build ${KV_PROGRAM_DIR}
  DEPENDS kv_eval kv_rules
  COMMENT "Solving the endgame tables"
  VERBATIM)
add_custom_target(egtb ALL DEPENDS ${kv_egtb_files})
