# The layers' floor: nothing in engine/ or odds/ includes a file of a folder
# built on top of them (the risk games, the main window and its logic, the
# store, the settings, media, about, tools, tests), and the pure rules
# (engine/ outside engine/flow/, and odds/) include nothing of the flows,
# which need Qt. Every #include line is read; a name is taken as a file of
# the layers above when a file of that name (or that relative path) lives
# there and not in the including file's own layer.
#
#   cmake -DROOT=<source tree> -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_includes.cmake")
endif()

set(extensions h hpp cpp cc inc)
macro(sources_under var)
  set(${var})
  foreach(dir ${ARGN})
    foreach(ext ${extensions})
      file(GLOB_RECURSE found RELATIVE "${ROOT}" "${ROOT}/${dir}/*.${ext}")
      list(APPEND ${var} ${found})
    endforeach()
  endforeach()
endmacro()

# The folders above: every top-level folder with sources but the two below.
file(GLOB top RELATIVE "${ROOT}" "${ROOT}/*")
set(above_dirs)
foreach(dir ${top})
  if(IS_DIRECTORY "${ROOT}/${dir}" AND NOT dir MATCHES "^(engine|odds|build.*|\\..*)$")
    list(APPEND above_dirs ${dir})
  endif()
endforeach()
sources_under(above ${above_dirs})
sources_under(flows engine/flow)
sources_under(pure engine odds)
list(REMOVE_ITEM pure ${flows})

# name -> whether it is one of `files` (by relative path or by file name)
function(names_of out)
  set(names)
  foreach(f ${ARGN})
    get_filename_component(n "${f}" NAME)
    list(APPEND names "${n}" "${f}")
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()
names_of(above_names ${above})
names_of(flow_names ${flows})
names_of(pure_names ${pure})

set(faults)
# check(FILES forbidden-names own-names what)
function(check files forbidden own what)
  foreach(f ${${files}})
    file(STRINGS "${ROOT}/${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" name "${line}")
      get_filename_component(base "${name}" NAME)
      if(("${name}" IN_LIST ${forbidden} OR "${base}" IN_LIST ${forbidden})
         AND NOT "${name}" IN_LIST ${own} AND NOT "${base}" IN_LIST ${own})
        list(APPEND faults "${f}: #include ${name} (${what})")
      endif()
    endforeach()
  endforeach()
  set(faults ${faults} PARENT_SCOPE)
endfunction()

set(below_names ${flow_names} ${pure_names})
check(flows above_names below_names "a layer above the flows")
check(pure above_names pure_names "a layer above the engine")
check(pure flow_names pure_names "the flows, which the pure rules stand below")

list(LENGTH pure pure_count)
list(LENGTH flows flow_count)
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "includes that reach above their layer:\n  ${text}")
endif()
message(STATUS "layers: ${pure_count} files of engine/ and odds/, ${flow_count} of engine/flow/, no include above")
