# Installs the build into PREFIX and checks what a desktop user gets.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()
set(id org.korvelan.Korvelan)
foreach(f bin/korvelan bin/korvelan-cli share/korvelan/hashkey33.dat share/korvelan/parametres/defaut.par
          share/korvelan/Images1i/1dba.bmp share/korvelan/Korvelan.html share/korvelan/Rkorvelan_f.html
          share/applications/${id}.desktop share/icons/hicolor/scalable/apps/korvelan.svg
          share/mime/packages/korvelan.xml share/metainfo/${id}.metainfo.xml
          share/man/man6/korvelan.6.gz share/man/man6/korvelan-cli.6.gz)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "missing from the installation: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE stray ${PREFIX}/share/korvelan/*_tests ${PREFIX}/share/korvelan/korvelan*
     ${PREFIX}/share/korvelan/last32.dam ${PREFIX}/share/korvelan/Bestmove.txt)
if(stray)
  message(FATAL_ERROR "not data, yet installed as data: ${stray}")
endif()
file(READ ${PREFIX}/share/applications/${id}.desktop entry)
if(NOT entry MATCHES "Exec=korvelan %f\n" OR NOT entry MATCHES "Icon=korvelan\n"
   OR NOT entry MATCHES "MimeType=application/x-korvelan-game;application/x-draughts-pdn;")
  message(FATAL_ERROR "desktop entry does not open the game's files with its icon")
endif()
# What desktops and software centres read passes their own checks.
foreach(check "desktop-file-validate;${PREFIX}/share/applications/${id}.desktop"
              "appstreamcli;validate;--no-net;${PREFIX}/share/metainfo/${id}.metainfo.xml")
  execute_process(COMMAND ${check} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${check}: ${out}")
  endif()
endforeach()
# Both manual pages name their program and the window's lists its option.
execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man6/korvelan.6.gz OUTPUT_VARIABLE page)
if(NOT page MATCHES "-lang[^\n]*CODE")
  message(FATAL_ERROR "the manual page of korvelan lacks --lang")
endif()
# The installed tool reads the installed data: a search probes its tables.
execute_process(COMMAND ${PREFIX}/bin/korvelan-cli search start --depth 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "bestmove ")
  message(FATAL_ERROR "installed korvelan-cli failed: ${out}")
endif()
file(REMOVE_RECURSE ${PREFIX})
