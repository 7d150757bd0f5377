# The software Extended80 checked bit for bit against the x87 long double,
# once with the compiler's 128-bit integers and once with the portable forms
# that compilers without them use. Each test builds its own copy of the
# software type, whatever the rest of the tree uses.
if(NOT FENIKO_HAS_X87_LONG_DOUBLE)
  return()
endif()

function(feniko_add_extended80_soft_differential name)
  feniko_add_gtest(${name}
    SOURCES
      ${CMAKE_CURRENT_SOURCE_DIR}/tests/Extended80SoftDifferentialTest.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/Extended80Soft.cpp
      ${CMAKE_CURRENT_SOURCE_DIR}/Errors.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE FENIKO_SOFT_EXTENDED80=1 ${ARGN})
endfunction()

feniko_add_extended80_soft_differential(extended80_soft_differential_tests)
feniko_add_extended80_soft_differential(extended80_soft_portable_differential_tests
  FENIKO_SOFT_EXTENDED80_NO_INT128=1)
