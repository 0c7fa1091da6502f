# cmake --install: the programs in bin/ and the shipped data in share/korvelan/
# (the program directory of an installed game, found from the executable);
# desktop.cmake adds what the desktop reads. The program writes nothing
# there: its files go to the user's data folder.
include(GNUInstallDirs)
foreach(t korvelan korvelan-cli)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# Everything the build put in the program directory, except programs and
# files a run may have left there.
install(DIRECTORY ${KV_PROGRAM_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korvelan
  REGEX "/(korvelan|korvelan-cli|korvelan-bench|kv-[^/]*|[^/]*_tests)$" EXCLUDE
  REGEX "/(Bestmove\\.txt|last32\\.dam)$" EXCLUDE
  REGEX "\\.part$" EXCLUDE)
