# Installs the built libraries into a fresh prefix, checks that every installed header finds the
# headers it includes inside that prefix, then configures, builds and runs the consumer against that
# prefix alone. PROGRAM names the consumer's program (tolvane_consumer unless given).

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${result}):\n${output}")
  endif()
endfunction()

if(NOT PROGRAM)
  set(PROGRAM tolvane_consumer)
endif()

# A header that includes one left out of the installed set would only fail in the host that first
# includes it; this finds it at once.
function(check_installed_includes prefix)
  file(GLOB include_roots LIST_DIRECTORIES true ${prefix}/include/*)
  file(GLOB_RECURSE headers ${prefix}/include/*.h)
  set(unresolved "")
  foreach(header IN LISTS headers)
    get_filename_component(header_dir ${header} DIRECTORY)
    file(STRINGS ${header} include_lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS include_lines)
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
      set(found FALSE)
      foreach(root IN ITEMS ${header_dir} ${include_roots})
        if(EXISTS ${root}/${included})
          set(found TRUE)
          break()
        endif()
      endforeach()
      if(NOT found)
        file(RELATIVE_PATH shown ${prefix} ${header})
        string(APPEND unresolved "\n  ${shown} includes \"${included}\"")
      endif()
    endforeach()
  endforeach()
  if(unresolved)
    message(FATAL_ERROR "installed headers include headers that were not installed:${unresolved}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
check_installed_includes(${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/${PROGRAM})
