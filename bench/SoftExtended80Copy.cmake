# feniko_add_soft_copy(<name> TARGETS <library>... [SOURCES <file>...])
#
# An object library with a second copy of the given engine libraries, and of
# the extra SOURCES, built over the software Extended80 with the namespace
# `feniko` renamed `feniko_soft`. Linked into a benchmark beside the usual
# libraries, it lets one program time the software type against the x87 one:
# the SOURCES write feniko::X as usual and get feniko_soft::X, and the other
# files of the benchmark declare what they call in namespace feniko_soft.
# State of the engine (the decimal separator) exists once in each copy.
function(feniko_add_soft_copy name)
  cmake_parse_arguments(ARG "" "" "TARGETS;SOURCES" ${ARGN})
  set(sources ${PROJECT_SOURCE_DIR}/numtext/Extended80Soft.cpp)
  foreach(target IN LISTS ARG_TARGETS)
    get_target_property(directory ${target} SOURCE_DIR)
    get_target_property(targetSources ${target} SOURCES)
    foreach(source IN LISTS targetSources)
      # Generator expressions only choose the software type's own file, added above.
      if(source MATCHES "^\\$<")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory} OUTPUT_VARIABLE path)
      list(APPEND sources ${path})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES sources)
  add_library(${name} OBJECT ${sources} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE FENIKO_SOFT_EXTENDED80=1 feniko=feniko_soft)
  target_link_libraries(${name} PRIVATE benchmark::benchmark Feniko::flags)
endfunction()
