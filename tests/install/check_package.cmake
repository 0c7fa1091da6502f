# Makes the Debian package of the build in SCRATCH and checks its contents
# and its dependencies.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SCRATCH}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB deb ${SCRATCH}/korvelan_*.deb)
if(NOT rc EQUAL 0 OR NOT deb)
  message(FATAL_ERROR "cpack failed: ${out}")
endif()
execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE listing)
set(id org.korvelan.Korvelan)
foreach(f usr/bin/korvelan usr/bin/korvelan-cli usr/share/korvelan/hashkey33.dat usr/share/korvelan/dod.bib
          usr/share/korvelan/Images1i/1dba.bmp usr/share/applications/${id}.desktop
          usr/share/icons/hicolor/scalable/apps/korvelan.svg usr/share/mime/packages/korvelan.xml
          usr/share/metainfo/${id}.metainfo.xml usr/share/man/man6/korvelan.6.gz usr/share/man/man6/korvelan-cli.6.gz)
  if(NOT listing MATCHES " \\./${f}\n")
    message(FATAL_ERROR "missing from the package: ${f}")
  endif()
endforeach()
if(listing MATCHES "_tests\n|korvelan-bench|kv-")
  message(FATAL_ERROR "tools of the build in the package: ${listing}")
endif()
execute_process(COMMAND dpkg-deb --field ${deb} Depends OUTPUT_VARIABLE depends)
foreach(p libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins)
  if(NOT depends MATCHES "${p}")
    message(FATAL_ERROR "the package does not depend on ${p}: ${depends}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
