# Writes the manual page PAGE of PROGRAM with help2man, from its --help and
# --version and the include file INCLUDE, then gzips it. korvelan-cli adds the
# section on its commands that it prints itself. The window's help is read in
# English (the C locale) and without a screen.
set(ENV{LC_ALL} C)
set(ENV{LANG} C)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(includes --include=${INCLUDE})
get_filename_component(name ${PROGRAM} NAME)
if(name STREQUAL "korvelan-cli")
  execute_process(COMMAND ${PROGRAM} --manual-commands OUTPUT_FILE ${PAGE}.commands RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --manual-commands failed")
  endif()
  list(APPEND includes --include=${PAGE}.commands)
endif()
get_filename_component(dir ${PAGE} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${HELP2MAN} --no-info --section=6 "--source=Korvelan ${VERSION}" --manual=Games
                        ${includes} --output=${PAGE} ${PROGRAM}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man ${PROGRAM}: ${err}")
endif()
execute_process(COMMAND gzip -9nf ${PAGE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip ${PAGE} failed")
endif()
