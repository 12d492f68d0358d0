# Unity sources: a target's .cpp files compiled a few at a time, each batch as
# one translation unit that includes them, so that the platform's and
# GoogleTest's headers are parsed once a batch instead of once a file (the
# largest share of a cold build). The batch files name their sources
# relative to the source folder, never by absolute path, so that the compiler
# cache takes them from any clone on the machine.
#
# tv_unity_sources(out name batch sources...): `out` gets the batch files for
# `sources`, `batch` sources a file; a target built from them needs
# ${CMAKE_SOURCE_DIR} on its include path (tv_unity_target). Sources listed
# in TV_UNITY_ALONE (their file names) stay translation units of their own.
# TV_UNITY=OFF at configure time builds file by file.
option(TV_UNITY "Build each target's sources a batch at a time" ON)
set(TV_UNITY_ALONE "" CACHE STRING "Sources built on their own in unity builds")

function(tv_unity_sources out name batch)
  if(NOT TV_UNITY)
    set(${out} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  set(_result)
  set(_batched)
  foreach(_src ${ARGN})
    get_filename_component(_file ${_src} NAME)
    get_filename_component(_ext ${_src} EXT)
    if(_file IN_LIST TV_UNITY_ALONE OR NOT _ext MATCHES "\\.(cpp|cc)$")
      list(APPEND _result ${_src})
    else()
      list(APPEND _batched ${_src})
    endif()
  endforeach()
  list(LENGTH _batched _count)
  set(_index 0)
  set(_in_batch 0)
  set(_content "")
  foreach(_src ${_batched})
    file(RELATIVE_PATH _rel ${CMAKE_SOURCE_DIR} ${_src})
    string(APPEND _content "#include \"${_rel}\"\n")
    math(EXPR _in_batch "${_in_batch} + 1")
    math(EXPR _count "${_count} - 1")
    if(_in_batch EQUAL batch OR _count EQUAL 0)
      set(_unity ${CMAKE_BINARY_DIR}/unity/${name}_${_index}.cpp)
      # Rewritten only when its content changes, so that a new configure
      # does not rebuild it.
      file(CONFIGURE OUTPUT ${_unity} CONTENT "${_content}" @ONLY)
      list(APPEND _result ${_unity})
      math(EXPR _index "${_index} + 1")
      set(_in_batch 0)
      set(_content "")
    endif()
  endforeach()
  set(${out} ${_result} PARENT_SCOPE)
endfunction()

# tv_unity_target(target): the include path the batch files need.
function(tv_unity_target target)
  if(TV_UNITY)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  endif()
endfunction()
