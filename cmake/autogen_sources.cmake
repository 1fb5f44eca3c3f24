# The sources of a target are found by globs. When a glob brings a new file, CMake reconfigures but the
# target's moc step may still think it is up to date and miss the new file's "#include "x.moc"". Writing
# the list of sources into a file the moc step depends on makes it run again whenever the list changes.
function(tamsel_autogen_follows_sources target)
  get_target_property(sources ${target} SOURCES)
  string(JOIN "\n" listing ${sources})
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  file(CONFIGURE OUTPUT ${list_file} CONTENT "${listing}\n")
  set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${list_file})
endfunction()
