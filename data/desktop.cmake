# The game as a citizen of the Linux desktop: its desktop entry and icon, the
# types of the files it opens, its listing for software centres (with
# screenshots of the real window drawn by the build) and the manual pages of
# both programs, made from their help by help2man.
include(GNUInstallDirs)
set(KV_APP_ID org.korvelan.Korvelan)
set(KV_RELEASE_DATE 2026-12-07) # the date of release PROJECT_VERSION
set(KV_HOMEPAGE "https://korvelan.org" CACHE STRING "Where the game is published, its screenshots under /screenshots")
set(kv_desktop_dir ${CMAKE_CURRENT_LIST_DIR}/desktop)

install(FILES ${kv_desktop_dir}/${KV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kv_desktop_dir}/korvelan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${kv_desktop_dir}/korvelan-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME korvelan.xml)

# The listing names the screenshots where they are published; the build
# draws them from the window with the shipped data, into build/screenshots.
set(KV_SHOT_WIDTH 1280)
set(KV_SHOT_HEIGHT 720)
set(KV_SCREENSHOT_URL ${KV_HOMEPAGE}/screenshots/${PROJECT_VERSION})
configure_file(${kv_desktop_dir}/korvelan.metainfo.xml.in ${CMAKE_BINARY_DIR}/${KV_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(TARGET kv-screenshots)
  set(kv_shots ${CMAKE_BINARY_DIR}/screenshots/korvelan-board-2d.png ${CMAKE_BINARY_DIR}/screenshots/korvelan-board-3d.png)
  add_custom_command(OUTPUT ${kv_shots}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen KORVELAN_SILENT=1 $<TARGET_FILE:kv-screenshots>
            ${KV_PROGRAM_DIR} ${CMAKE_CURRENT_LIST_DIR}/screenshots/game.pdn ${CMAKE_BINARY_DIR}/screenshots
            ${KV_SHOT_WIDTH} ${KV_SHOT_HEIGHT}
    DEPENDS kv-screenshots ${CMAKE_CURRENT_LIST_DIR}/screenshots/game.pdn
    COMMENT "Drawing the window's screenshots for the software centres")
  add_custom_target(kv_screenshots ALL DEPENDS ${kv_shots})
  # Everything the window reads when it starts.
  add_dependencies(kv_screenshots korvelan hashkeys egtb openings parameters kv_players_data problems)
endif()

# Manual pages from each program's help, gzipped as Debian installs them.
find_program(KV_HELP2MAN help2man)
set(kv_man_pages)
foreach(program korvelan korvelan-cli)
  if(NOT KV_HELP2MAN OR NOT TARGET ${program})
    continue()
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${program}.6)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${KV_HELP2MAN} -DPROGRAM=$<TARGET_FILE:${program}> -DPAGE=${page}
            -DINCLUDE=${CMAKE_CURRENT_LIST_DIR}/manpages/${program}.h2m -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_CURRENT_LIST_DIR}/manpages/manual_page.cmake
    DEPENDS ${program} ${CMAKE_CURRENT_LIST_DIR}/manpages/${program}.h2m
            ${CMAKE_CURRENT_LIST_DIR}/manpages/manual_page.cmake
    COMMENT "Manual page of ${program}"
    VERBATIM)
  list(APPEND kv_man_pages ${page}.gz)
endforeach()
if(kv_man_pages)
  add_custom_target(kv_man_pages ALL DEPENDS ${kv_man_pages})
  install(FILES ${kv_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
