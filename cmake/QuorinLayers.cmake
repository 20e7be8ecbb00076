# Layers of the language core, each its own target.  A layer sees only its
# own headers and those of the layers below it: every layer compiles against
# a tree of links to the headers it may include (build/layers/<layer>/…), not
# against the source folder, so an upward include is a missing file.
#
#   support   text, formatting, codecs, hash tables, file and path access
#   model     type codes, values, strings, the compiled program's records and
#             the routines the compiler names and the runtime defines, the
#             collection and Bmp objects: the language's own types
#   frontend  loading, lexing, compiling, the registry            (on model)
#   runtime   executor, operators, variables, calls, run state    (on model)
#   builtins  the builtin families                   (on frontend and runtime)
#   hosts     the command line, Quorin.exe, the encoder           (on all)
#
# Files are assigned by folder, except for the model's pieces that live in
# the frontend, runtime and collections folders and the path helpers that
# live in the frontend folder: those are listed here.

set(QUORIN_LAYER_SUPPORT_EXTRA
  frontend/source_files.h frontend/source_files.cpp frontend/source_files_posix.cpp frontend/source_files_win32.cpp)
# The keyboard-hook decisions sit with the portable host pieces but work on
# run control only: the runtime layer owns them, so the input family's own
# hook (the command-line interpreter's waits) can use them too.
set(QUORIN_LAYER_RUNTIME_EXTRA host/hotkey_filter.h host/hotkey_filter.cpp)
set(QUORIN_LAYER_MODEL_FILES
  frontend/types.h frontend/types.cpp
  frontend/program_model.h frontend/program_model.cpp
  runtime/value.h runtime/str.h runtime/str.cpp
  runtime/object.h runtime/array.h runtime/array.cpp runtime/bmp_object.h
  runtime/routines.h runtime/operators.h
  builtins/collections/objects.h builtins/collections/elem.h builtins/collections/elem.cpp
  builtins/collections/access.h builtins/collections/access.cpp
  builtins/collections/array_list.cpp builtins/collections/linked_list.cpp
  builtins/collections/hash_map.cpp builtins/collections/iterator.cpp)

# Files of `folder` (recursively when RECURSE) under the core's root,
# relative to it, minus the files other layers claim.
function(quorin_layer_files out root folder recurse)
  if(recurse)
    file(GLOB_RECURSE found RELATIVE ${root} CONFIGURE_DEPENDS ${root}/${folder}/*.cpp ${root}/${folder}/*.h)
  else()
    file(GLOB found RELATIVE ${root} CONFIGURE_DEPENDS ${root}/${folder}/*.cpp ${root}/${folder}/*.h)
  endif()
  list(REMOVE_ITEM found ${QUORIN_LAYER_SUPPORT_EXTRA} ${QUORIN_LAYER_MODEL_FILES} ${QUORIN_LAYER_RUNTIME_EXTRA})
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Builds the layer's header tree and returns its sources for this target
# (Windows-only and native-only files as in quorin_collect_sources).
function(quorin_layer_tree name root tree_out sources_out)
  set(tree ${CMAKE_BINARY_DIR}/layers/${name})
  file(REMOVE_RECURSE ${tree})
  set(sources "")
  foreach(rel IN LISTS ARGN)
    if(rel MATCHES "\\.h$")
      get_filename_component(dir ${tree}/${rel} DIRECTORY)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK ${root}/${rel} ${tree}/${rel} SYMBOLIC)
    elseif(rel MATCHES "(_win32\\.cpp$)|(/win32/)")
      if(WIN32)
        list(APPEND sources ${root}/${rel})
      endif()
    elseif(rel MATCHES "(_posix\\.cpp$)|(/posix/)")
      if(NOT WIN32)
        list(APPEND sources ${root}/${rel})
      endif()
    else()
      list(APPEND sources ${root}/${rel})
    endif()
  endforeach()
  set(${tree_out} ${tree} PARENT_SCOPE)
  set(${sources_out} ${sources} PARENT_SCOPE)
endfunction()
