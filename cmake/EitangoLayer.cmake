# SPDX-License-Identifier: GPL-3.0-or-later
# A layer of the program: a static library of every source file in its folder. The one
# include path it gives the layers above is a folder of the build tree that holds a single
# link, named like the layer's folder, to that folder: "rules/tests/testrun.h" is found from
# the rules layer and every layer that links it, and from no layer below, whatever Qt
# module the header needs.
include_guard(GLOBAL)

function(eitango_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "EXCLUDE")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(excluded IN LISTS LAYER_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  add_library(${target} STATIC ${sources})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
