# The folders of src/ stand in layers; a file may include its own folder and the folders
# below it, never one above. Qt may appear only in the Qt glue (qt/), the shell, and the
# windows of each subsystem (files ending in Window, Dialog, Box or Widget).
#
#   cmake -DSOURCE_DIR=<repository>/src -P LayeringCheck.cmake

set(layers common qt evaluation formula editor plot fitting tools storage motion menu colours help info shell)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND layers ${folder} rank)
  if(rank EQUAL -1)
    string(APPEND faults "  ${source}: folder '${folder}' has no place in the layers\n")
    continue()
  endif()
  get_filename_component(stem ${source} NAME_WE)
  set(qtAllowed FALSE)
  if(folder STREQUAL "qt" OR folder STREQUAL "shell" OR stem MATCHES "(Window|Dialog|Box|Widget)$")
    set(qtAllowed TRUE)
  endif()

  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      set(target ${CMAKE_MATCH_1})
      list(FIND layers ${target} targetRank)
      if(targetRank GREATER rank)
        string(APPEND faults "  ${source}: includes ${target}/, a layer above ${folder}/\n")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<Q" AND NOT qtAllowed)
      string(APPEND faults "  ${source}: a Qt include in a file that must be Qt-free\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Layering faults:\n${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files keep to their layers")
