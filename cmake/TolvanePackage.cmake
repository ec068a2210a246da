include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

# Installs the libraries given after LIBRARIES and those of the PLATFORM_AREAS under the export set
# <package>Targets, the areas' headers and those of HEADERS_FROM (a source folder) in
# include/<package>, and the package configuration made from cmake/<package>Config.cmake.in, so that
# a host program can find_package(<package>) and link Tolvane::<library>. With PUBLIC_HEADERS (paths
# inside HEADERS_FROM) only those are installed, each at its own path.
function(tolvane_install_package package)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "HEADERS_FROM" "LIBRARIES;PLATFORM_AREAS;PUBLIC_HEADERS")
  set(include_dir ${CMAKE_INSTALL_INCLUDEDIR}/${package})
  set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
  set(targets ${arg_LIBRARIES})
  foreach(area IN LISTS arg_PLATFORM_AREAS)
    list(APPEND targets tolvane_platform_${area})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/${area} DESTINATION ${include_dir}
      FILES_MATCHING PATTERN "*.h")
  endforeach()
  if(arg_PUBLIC_HEADERS)
    foreach(header IN LISTS arg_PUBLIC_HEADERS)
      get_filename_component(header_dir ${header} DIRECTORY)
      install(FILES ${arg_HEADERS_FROM}/${header} DESTINATION ${include_dir}/${header_dir})
    endforeach()
  else()
    install(DIRECTORY ${arg_HEADERS_FROM}/ DESTINATION ${include_dir}
      FILES_MATCHING PATTERN "*.h" PATTERN "Resources" EXCLUDE)
  endif()

  # The libraries find each other next to themselves once installed.
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endif()
  endforeach()

  install(TARGETS ${targets} EXPORT ${package}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${include_dir})
  install(EXPORT ${package}Targets NAMESPACE Tolvane:: DESTINATION ${package_dir})

  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/${package}Config.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    INSTALL_DESTINATION ${package_dir})
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake
    DESTINATION ${package_dir})
endfunction()
