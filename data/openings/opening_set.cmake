# cmake -DWHITE=.. -DBLACK=.. -DPREFIX=.. -DSET=DIR/NAME -DTITLE=.. -P opening_set.cmake
# Writes the stored opening set NAME: NAME_b.ouv and NAME_n.ouv with the lines
# of the libraries WHITE and BLACK that start with PREFIX (all when empty),
# and the marker NAME.ovv holding TITLE. Lines keep their CR LF endings.
foreach(side b n)
  if(side STREQUAL "b")
    file(READ ${WHITE} text)
  else()
    file(READ ${BLACK} text)
  endif()
  string(REGEX MATCHALL "[^\n]*\n" lines "${text}")
  set(kept "")
  foreach(line IN LISTS lines)
    string(FIND "${line}" "${PREFIX}" at)
    if(PREFIX STREQUAL "" OR at EQUAL 0)
      string(APPEND kept "${line}")
    endif()
  endforeach()
  file(WRITE ${SET}_${side}.ouv "${kept}")
endforeach()
file(WRITE ${SET}.ovv "${TITLE}\r\n")
