# Installs the build into PREFIX and checks what a desktop user gets.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${err}")
endif()
foreach(f bin/korvelan bin/korvelan-cli share/korvelan/hashkey33.dat share/korvelan/parametres/defaut.par
          share/korvelan/Images1i/1dba.bmp share/korvelan/Korvelan.html share/korvelan/Rkorvelan_f.html
          share/applications/korvelan.desktop share/icons/hicolor/scalable/apps/korvelan.svg)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "missing from the installation: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE stray ${PREFIX}/share/korvelan/*_tests ${PREFIX}/share/korvelan/korvelan*
     ${PREFIX}/share/korvelan/last32.dam ${PREFIX}/share/korvelan/Bestmove.txt)
if(stray)
  message(FATAL_ERROR "not data, yet installed as data: ${stray}")
endif()
file(READ ${PREFIX}/share/applications/korvelan.desktop entry)
if(NOT entry MATCHES "Exec=korvelan\n" OR NOT entry MATCHES "Icon=korvelan\n")
  message(FATAL_ERROR "desktop entry does not start the game with its icon")
endif()
# The installed tool reads the installed data: a search probes its tables.
execute_process(COMMAND ${PREFIX}/bin/korvelan-cli search start --depth 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "bestmove ")
  message(FATAL_ERROR "installed korvelan-cli failed: ${out}")
endif()
file(REMOVE_RECURSE ${PREFIX})
