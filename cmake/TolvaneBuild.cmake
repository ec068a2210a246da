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

# Coverage feedback for the fuzzer in everything built; the fuzz targets link the fuzzer itself.
if(TOLVANE_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
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

# Compiles the target's sources below `base` in groups, one per screen (Class/UI/<screen>), model area
# (Class/Model/<area>) or other folder: a group's sources share most of their headers, whose parsing
# is most of the build's time. So a name private to a source must be unique within its group.
function(tolvane_compile_by_folder target base)
  get_target_property(sources ${target} SOURCES)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative ${base} ${source})
    if(relative MATCHES "^\\.\\./" OR NOT relative MATCHES "\\.cpp$")
      continue()
    endif()
    string(REGEX MATCH "^Class/(UI|Model)/[^/]+/|^[^/]+/([^/]+/)?" group "${relative}")
    string(REPLACE "/" "_" group "folder_${group}")
    set_source_files_properties(${source} TARGET_DIRECTORY ${target} PROPERTIES UNITY_GROUP "${group}")
  endforeach()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
endfunction()

# A GoogleTest executable made of every test source below the given folders. Test sources named
# *ThreadingTest.cpp run real threads: they form a second executable, `<area>_threading_tests`,
# labelled `threads` and part of the target `threading_tests`, which the ThreadSanitizer build
# builds and runs. Sources that are not tests themselves go into both.
function(tolvane_test_executable name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  tolvane_sources(sources ${ARG_DIRS})
  set(support_sources ${sources})
  list(FILTER support_sources EXCLUDE REGEX "Test\\.cpp$")
  set(threading_sources ${sources})
  list(FILTER threading_sources INCLUDE REGEX "ThreadingTest\\.cpp$")
  list(REMOVE_ITEM sources ${threading_sources})
  tolvane_add_test(${name} "${sources}" "${ARG_LIBS}")
  if(threading_sources)
    string(REGEX REPLACE "_tests$" "_threading_tests" threading_name ${name})
    tolvane_add_test(${threading_name} "${threading_sources};${support_sources}" "${ARG_LIBS}")
    set_property(TEST ${threading_name} APPEND PROPERTY LABELS threads)
    add_dependencies(threading_tests ${threading_name})
  endif()
endfunction()

# One GoogleTest executable of the given sources, run as a test of its own.
function(tolvane_add_test name sources libs)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE tolvane_test_support ${libs} tolvane_warnings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Builds the sound generator `generator` from `source`, runs it at build time and compiles the WAV
# file it writes into `target` as the data asset `asset` (":/assets/<asset>").
function(tolvane_generated_sound target generator source asset)
  add_executable(${generator} ${source})
  target_link_libraries(${generator} PRIVATE tolvane_warnings)
  set(sound ${CMAKE_CURRENT_BINARY_DIR}/assets/${asset}.wav)
  add_custom_command(OUTPUT ${sound}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/assets
    COMMAND ${generator} ${sound}
    DEPENDS ${generator}
    COMMENT "Generating the sound ${asset}")
  set_source_files_properties(${sound} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS ${asset})
  qt_add_resources(${target} ${asset}_asset
    PREFIX /assets
    BASE ${CMAKE_CURRENT_BINARY_DIR}/assets
    FILES ${sound})
endfunction()

# Builds the GIF maker of `maker_dir`, runs it at build time and compiles every animation it draws
# into `target` as "<name>.gif" of the resource folder `prefix`. The names come from the
# `.name = "<name>"` lines of the files in `<maker_dir>/animations`.
function(tolvane_generated_gifs target maker_dir prefix)
  file(GLOB animation_sources CONFIGURE_DEPENDS ${maker_dir}/animations/*.cpp)
  add_executable(gif-maker ${maker_dir}/GifMaker.cpp ${maker_dir}/Animation.cpp ${maker_dir}/GifPalette.cpp
    ${maker_dir}/GifEncoder.cpp ${animation_sources})
  target_include_directories(gif-maker PRIVATE ${maker_dir})
  target_link_libraries(gif-maker PRIVATE Qt6::Gui gif tolvane_warnings)
  set(gif_dir ${CMAKE_CURRENT_BINARY_DIR}/gifs)
  set(gifs)
  foreach(source IN LISTS animation_sources)
    file(STRINGS ${source} name_lines REGEX "^[ \t]*\\.name = \"[A-Za-z0-9_]+\"")
    foreach(line IN LISTS name_lines)
      string(REGEX MATCH "\"([A-Za-z0-9_]+)\"" _ "${line}")
      list(APPEND gifs ${gif_dir}/${CMAKE_MATCH_1}.gif)
    endforeach()
  endforeach()
  add_custom_command(OUTPUT ${gifs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gif_dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:gif-maker> ${gif_dir}
    DEPENDS gif-maker
    COMMENT "Drawing the GIF animations")
  set_source_files_properties(${gifs} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} generated_gifs PREFIX ${prefix} BASE ${gif_dir} FILES ${gifs})
endfunction()
