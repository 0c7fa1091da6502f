# The 3D board pictures and the square images of the eight piece sets.
set(kv_boards3d)
foreach(n RANGE 1 8)
  list(APPEND kv_boards3d ${KV_PROGRAM_DIR}/damier${n}i.bmp ${KV_PROGRAM_DIR}/damier${n}wi.bmp)
endforeach()
foreach(set RANGE 1 8)
  foreach(square RANGE 1 32)
    foreach(kind pv pb db pn dn)
      list(APPEND kv_boards3d ${KV_PROGRAM_DIR}/Images${set}i/${kind}${set}_${square}i.bmp)
    endforeach()
  endforeach()
endforeach()
add_custom_command(OUTPUT ${kv_boards3d}
  COMMAND kv-render3d ${KV_PROGRAM_DIR}
  DEPENDS kv-render3d
  COMMENT "Rendering the 3D board themes")
add_custom_target(kv_boards3d ALL DEPENDS ${kv_boards3d})
