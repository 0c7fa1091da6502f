# The help pages are written by hand in help/ and copied into the program
# directory under their base names.
file(GLOB kv_help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.html)
set(kv_help_outputs)
foreach(page ${kv_help_sources})
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${KV_PROGRAM_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${KV_PROGRAM_DIR}/${name}
    DEPENDS ${page}
    COMMENT "Help page ${name}")
  list(APPEND kv_help_outputs ${KV_PROGRAM_DIR}/${name})
endforeach()
add_custom_target(kv_help ALL DEPENDS ${kv_help_outputs})

# The pictures of the guide: the real window in each language and the 3D
# boards, drawn offscreen by the build from the shipped data, beside the pages.
if(TARGET kv-screenshots)
  set(kv_help_pictures)
  foreach(code fr en nl pt es it)
    list(APPEND kv_help_pictures ${KV_PROGRAM_DIR}/help_window_${code}.png)
  endforeach()
  foreach(theme 1 3 6 7)
    list(APPEND kv_help_pictures ${KV_PROGRAM_DIR}/help_theme_${theme}.png)
  endforeach()
  add_custom_command(OUTPUT ${kv_help_pictures}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen KORVELAN_SILENT=1 $<TARGET_FILE:kv-screenshots>
            --help ${KV_PROGRAM_DIR} ${CMAKE_CURRENT_LIST_DIR}/screenshots/game.pdn ${KV_PROGRAM_DIR}
    DEPENDS kv-screenshots ${CMAKE_CURRENT_LIST_DIR}/screenshots/game.pdn
    COMMENT "Drawing the window's pictures for the help pages")
  add_custom_target(kv_help_pictures ALL DEPENDS ${kv_help_pictures})
  # Everything the window reads when it starts.
  add_dependencies(kv_help_pictures korvelan hashkeys egtb openings parameters kv_players_data problems)
endif()
