# Flags every target of the project shares. The arithmetic must be bit-exact:
# no fast-math and no contraction of a multiply and an add into one rounding.
add_library(feniko_flags INTERFACE)
add_library(Feniko::flags ALIAS feniko_flags)
target_compile_options(feniko_flags INTERFACE
  -Wall -Wextra -Wpedantic
  -ffp-contract=off -fno-fast-math)
if(FENIKO_SOFT_EXTENDED80)
  target_compile_definitions(feniko_flags INTERFACE FENIKO_SOFT_EXTENDED80=1)
endif()

# Adds a GoogleTest executable and registers its cases with CTest.
function(feniko_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Feniko::flags GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "LC_ALL=C")
endfunction()
