# Compiles a folder of resources into a static library.
#
#   qz_embed_resources(<target> DIR <folder> TABLE <function> [EXCLUDE <subfolder>...])
#
# The library defines `const TResourceTable& <function>()`
# (platform/core/ResourceTable.h); a program calls
# RegisterResources(<function>()) once before it loads resources. Where each
# file goes is decided by the folder layout:
#   skins/**/NAME.ext   bitmap NAME
#   forms/**/CLASS.qzf  form description CLASS
#   icons/**/NAME.ext   icon NAME
#   strings.txt         the string table (NAME=text lines)
#   anything else       raw data named by its path in the folder
# Hidden files (".gitkeep") and the EXCLUDE subfolders are left out. File
# names may not hold quotes, backslashes, brackets, semicolons or line breaks.
#
# The bytes go in through the assembler's .incbin, so megabytes cost no
# compile time. The file list is taken when CMake runs (a new file makes it
# run again); the generated table is rebuilt whenever a file changes, and it
# holds each file's SHA-1 so that compiler caches notice new contents.

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()
include_guard(GLOBAL)
set(QZ_RESOURCES_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(qz_embed_resources target)
  cmake_parse_arguments(ARG "" "DIR;TABLE" "EXCLUDE" ${ARGN})
  if(NOT ARG_DIR OR NOT ARG_TABLE)
    message(FATAL_ERROR "qz_embed_resources(${target}) needs DIR and TABLE")
  endif()
  if(NOT ARG_TABLE MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "qz_embed_resources(${target}): TABLE must be a C++ name")
  endif()
  if(ARG_DIR MATCHES "[\"\\\\\n]")
    message(FATAL_ERROR "qz_embed_resources(${target}): unusable folder name ${ARG_DIR}")
  endif()

  file(GLOB_RECURSE found CONFIGURE_DEPENDS LIST_DIRECTORIES false RELATIVE "${ARG_DIR}" "${ARG_DIR}/*")
  set(files "")
  foreach(rel IN LISTS found)
    if(rel MATCHES "(^|/)\\.")
      continue()
    endif()
    set(excluded FALSE)
    foreach(sub IN LISTS ARG_EXCLUDE)
      if(rel MATCHES "^${sub}/")
        set(excluded TRUE)
      endif()
    endforeach()
    if(excluded)
      continue()
    endif()
    if(rel MATCHES "[\"\\\\\n]" OR rel MATCHES "[][]")
      message(FATAL_ERROR "qz_embed_resources(${target}): unusable file name ${rel}")
    endif()
    list(APPEND files "${rel}")
  endforeach()
  list(SORT files)

  # The list file changes only when the list does, so that the table is
  # regenerated on added or removed files but not on every CMake run.
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}.files")
  string(JOIN "\n" listed ${files})
  set(old "")
  if(EXISTS "${list_file}")
    file(READ "${list_file}" old)
  endif()
  if(NOT EXISTS "${list_file}" OR NOT old STREQUAL listed)
    file(WRITE "${list_file}" "${listed}")
  endif()

  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}.cpp")
  list(TRANSFORM files PREPEND "${ARG_DIR}/" OUTPUT_VARIABLE inputs)
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND "${CMAKE_COMMAND}" "-DQZ_RES_DIR=${ARG_DIR}" "-DQZ_RES_LIST=${list_file}"
            "-DQZ_RES_TABLE=${ARG_TABLE}" "-DQZ_RES_OUT=${generated}" -P "${QZ_RESOURCES_SCRIPT}"
    DEPENDS ${inputs} "${list_file}" "${QZ_RESOURCES_SCRIPT}"
    COMMENT "Embedding resources from ${ARG_DIR}"
    VERBATIM)
  add_library(${target} STATIC "${generated}")
  target_link_libraries(${target} PUBLIC qz_core)
endfunction()

# Script mode: writes the generated table for one folder.
function(qz_generate_resource_table)
  set(files "")
  if(EXISTS "${QZ_RES_LIST}")
    file(STRINGS "${QZ_RES_LIST}" files)
  endif()
  set(asm "")
  set(decls "")
  set(entries "")
  set(seen "")
  set(index 0)
  foreach(rel IN LISTS files)
    get_filename_component(stem "${rel}" NAME_WLE)
    if(rel MATCHES "^skins/")
      set(kind Bitmap)
      set(name "${stem}")
    elseif(rel MATCHES "^forms/")
      if(NOT rel MATCHES "\\.qzf$")
        message(FATAL_ERROR "Resources: ${rel} is not a form description (.qzf)")
      endif()
      set(kind Form)
      set(name "${stem}")
    elseif(rel MATCHES "^icons/")
      set(kind Icon)
      set(name "${stem}")
    elseif(rel STREQUAL "strings.txt")
      set(kind StringTable)
      set(name "strings")
    else()
      set(kind Data)
      set(name "${rel}")
    endif()
    string(TOUPPER "${kind}:${name}" key)
    if(key IN_LIST seen)
      message(FATAL_ERROR "Resources: two files give the ${kind} resource ${name} (one is ${rel})")
    endif()
    list(APPEND seen "${key}")

    set(symbol "qzres_${QZ_RES_TABLE}_${index}")
    file(SHA1 "${QZ_RES_DIR}/${rel}" digest)
    string(APPEND asm
      "    /* ${rel} sha1 ${digest} */\n"
      "    .balign 16\n"
      "    .globl ${symbol}\n    .hidden ${symbol}\n"
      "    .globl ${symbol}_end\n    .hidden ${symbol}_end\n"
      "${symbol}:\n"
      "    .incbin \"${QZ_RES_DIR}/${rel}\"\n"
      "${symbol}_end:\n")
    string(APPEND decls "extern const unsigned char ${symbol}[];\nextern const unsigned char ${symbol}_end[];\n")
    string(APPEND entries
      "        {TResourceKind::${kind}, R\"qzres(${name})qzres\", ${symbol}, ${symbol}_end},\n")
    math(EXPR index "${index} + 1")
  endforeach()

  set(text "// Generated by cmake/Resources.cmake from ${QZ_RES_DIR}. Do not edit.\n")
  string(APPEND text "#include \"platform/core/ResourceTable.h\"\n\n")
  if(index GREATER 0)
    string(APPEND text
      "asm(R\"qzres(\n    .pushsection .rodata.qzres, \"a\"\n${asm}    .popsection\n)qzres\");\n\n"
      "extern \"C\" {\n${decls}}\n\n"
      "const TResourceTable& ${QZ_RES_TABLE}()\n{\n"
      "    static const TResourceEntry entries[] = {\n${entries}    };\n"
      "    static const TResourceTable table{entries};\n    return table;\n}\n")
  else()
    string(APPEND text
      "const TResourceTable& ${QZ_RES_TABLE}()\n{\n"
      "    static const TResourceTable table{};\n    return table;\n}\n")
  endif()
  file(WRITE "${QZ_RES_OUT}" "${text}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  qz_generate_resource_table()
endif()
