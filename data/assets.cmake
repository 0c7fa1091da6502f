# Sounds always; the board images need Qt's painter, so only with the game.
set(kv_sounds ${KV_PROGRAM_DIR}/son.wav ${KV_PROGRAM_DIR}/gagne.wav ${KV_PROGRAM_DIR}/Perdu.wav)
add_custom_command(OUTPUT ${kv_sounds}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_PROGRAM_DIR}
  COMMAND kv-soundgen ${KV_PROGRAM_DIR}
  DEPENDS kv-soundgen
  COMMENT "Generating sounds")
add_custom_target(kv_sounds ALL DEPENDS ${kv_sounds})

if(TARGET kv-imagegen)
  set(kv_images_dir ${KV_PROGRAM_DIR}/Images1i)
  set(kv_images ${kv_images_dir}/1cache.BMP ${kv_images_dir}/1pva.bmp ${kv_images_dir}/1pba.BMP
                ${kv_images_dir}/1pna.bmp ${kv_images_dir}/1dba.bmp ${kv_images_dir}/1dna.bmp)
  add_custom_command(OUTPUT ${kv_images}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:kv-imagegen> ${kv_images_dir}
    DEPENDS kv-imagegen
    COMMENT "Painting the board images")
  add_custom_target(kv_images ALL DEPENDS ${kv_images})
endif()
