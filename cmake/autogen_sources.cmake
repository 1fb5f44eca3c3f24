# The sources of a target are found by globs. When a glob brings a new file, CMake reconfigures, but the
# target's moc step only follows the files it scanned last time and misses the new file's
# "#include "x.moc"". So when the list of sources differs from the one of the last configure, the moc
# step's timestamp is removed and it runs again.
function(tamsel_autogen_follows_sources target)
  get_target_property(sources ${target} SOURCES)
  string(JOIN "\n" listing ${sources})
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL "${listing}\n")
    file(WRITE ${list_file} "${listing}\n")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()
