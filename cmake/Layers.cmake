# One static library per layer folder, made of every .cpp file in it.
# Include paths start at the repository root: #include "platform/core/Rect.h".

# Unity builds (CMAKE_UNITY_BUILD=ON, as scripts/test builds) compile several
# .cpp files of one target as one, so two files of a library or a test program
# may not both define the same name in an anonymous namespace. A file that
# cannot join (its names clash with another file's on purpose, or it includes
# system headers full of macros) is kept out in the CMakeLists.txt of its folder:
#   set_source_files_properties(Foo.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
# Files that include X11 headers (directly or through SDL_syswm.h) are kept out
# here, since X11 defines names such as Region, Font and None.
function(qz_keep_x11_out_of_unity)
  foreach(source IN LISTS ARGN)
    file(STRINGS "${source}" x11 REGEX "^[ \t]*#[ \t]*include[ \t]*<(X11/|SDL_syswm)" LIMIT_COUNT 1)
    if(x11)
      set_source_files_properties("${source}" PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endfunction()

function(qz_layer target)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/${excluded}")
  endforeach()
  if(NOT sources)
    # A layer that has no code yet: headers only.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  qz_keep_x11_out_of_unity(${sources})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# One GoogleTest program per test folder, registered with CTest. RECURSE takes
# in the subfolders too (a suite whose tests mirror a layer's family folders);
# USES_DISPLAY marks a program whose tests open windows on the X display: its
# cases always run one process each and never two at a time.
#
# With QZ_TEST_PER_CASE (the default) every test case is a CTest test of its
# own, so that `ctest -R` picks single cases. Without it (scripts/test) each
# program runs as QZ_TEST_SHARDS CTest tests that split its cases between them:
# one process per case costs more than most cases do, above all under the
# sanitizers.
option(QZ_TEST_PER_CASE "One CTest test per test case (OFF: each test program in QZ_TEST_SHARDS parts)" ON)
set(QZ_TEST_SHARDS 2 CACHE STRING "Parts each test program is split into when QZ_TEST_PER_CASE is OFF")

function(qz_test_suite target)
  cmake_parse_arguments(ARG "RECURSE;USES_DISPLAY" "" "DEPS" ${ARGN})
  if(ARG_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  else()
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  endif()
  if(NOT sources)
    return()
  endif()
  qz_keep_x11_out_of_unity(${sources})
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(QZ_SANITIZE)
    # Test code is mostly assertions: unoptimised it compiles in half the time
    # under the sanitizers, and the code under test keeps its optimisation.
    target_compile_options(${target} PRIVATE -O0)
  endif()
  qz_test_paths(${target} QZ_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
  if(ARG_USES_DISPLAY)
    # One process per case, as the display tests were written, and one case at
    # a time: two programs' windows on one display take each other's focus.
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES
      ENVIRONMENT "QZ_SOURCE_DIR=${PROJECT_SOURCE_DIR}" RESOURCE_LOCK x-display)
    return()
  endif()
  if(QZ_TEST_PER_CASE)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QZ_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    return()
  endif()
  math(EXPR last "${QZ_TEST_SHARDS} - 1")
  foreach(shard RANGE ${last})
    set(name "${target}-part${shard}")
    add_test(NAME ${name} COMMAND ${target})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "QZ_SOURCE_DIR=${PROJECT_SOURCE_DIR};GTEST_TOTAL_SHARDS=${QZ_TEST_SHARDS};GTEST_SHARD_INDEX=${shard}")
  endforeach()
endfunction()

# qz_test_paths(<target> NAME VALUE [NAME VALUE...]) makes each NAME a string
# macro of VALUE (a path; generator expressions allowed) in the target's code.
# The macros come from a generated header that every file of the target
# includes first, not from -D options: the compiler cache maps the checkout's
# folder out of paths on the command line but not out of -D values, and a clone
# in another folder should still hit it.
function(qz_test_paths target)
  get_target_property(header ${target} QZ_TEST_PATHS_HEADER)
  if(NOT header)
    set(header "${CMAKE_CURRENT_BINARY_DIR}/${target}_paths.h")
    file(GENERATE OUTPUT "${header}"
         CONTENT "#pragma once\n$<JOIN:$<TARGET_GENEX_EVAL:${target},$<TARGET_PROPERTY:${target},QZ_TEST_PATHS>>,\n>\n")
    set_target_properties(${target} PROPERTIES QZ_TEST_PATHS_HEADER "${header}")
    target_compile_options(${target} PRIVATE -include "${header}")
  endif()
  while(ARGN)
    list(POP_FRONT ARGN name value)
    set_property(TARGET ${target} APPEND PROPERTY QZ_TEST_PATHS "#define ${name} \"${value}\"")
  endwhile()
endfunction()
