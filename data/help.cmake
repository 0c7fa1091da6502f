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
