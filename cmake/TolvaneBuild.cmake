# Shared compile settings and helpers for every target of the project.

add_library(tolvane_warnings INTERFACE)
target_compile_options(tolvane_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(TOLVANE_WERROR)
  target_compile_options(tolvane_warnings INTERFACE -Werror)
endif()

if(TOLVANE_SANITIZE)
  add_compile_options(-fsanitize=${TOLVANE_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TOLVANE_SANITIZE})
endif()

# Sources of a folder, found again whenever a file is added or removed.
function(tolvane_sources out_var)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()

# A GoogleTest executable made of every test source below the given folders.
function(tolvane_test_executable name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  tolvane_sources(test_sources ${ARG_DIRS})
  add_executable(${name} ${test_sources})
  target_link_libraries(${name} PRIVATE tolvane_test_support ${ARG_LIBS} tolvane_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
