# The program's layers: one folder under src/ each, built into one library that links only the
# layers below it. A layer's headers are reachable only through its own include folder, which holds
# that layer alone (a link to its source folder), and a library sees the include folders of the
# layers it links: an include of a layer above is a build error ("No such file or directory").
function(velmora_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;BELOW;LIBRARIES")
  set(include_dir "${CMAKE_BINARY_DIR}/layers/${name}")
  file(MAKE_DIRECTORY "${include_dir}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${include_dir}/${name}" SYMBOLIC)
  add_library(velmora_${name} STATIC ${layer_SOURCES})
  target_include_directories(velmora_${name} PUBLIC "${include_dir}")
  list(TRANSFORM layer_BELOW PREPEND velmora_)
  target_link_libraries(velmora_${name} PUBLIC ${layer_BELOW} ${layer_LIBRARIES})
endfunction()
