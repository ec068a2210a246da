# Installs the framework library with its public headers, the platform libraries it needs, and a
# package configuration, so that a host program can find_package(TolvaneFramework) and link
# Tolvane::TolvaneFramework.

include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

set(tolvane_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/TolvaneFramework)
set(tolvane_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/TolvaneFramework)
# The platform areas the framework's interface reaches.
set(tolvane_framework_platform_areas rx foundation di bluetooth audio haptics ui device)

set(tolvane_framework_targets TolvaneFramework)
foreach(area IN LISTS tolvane_framework_platform_areas)
  list(APPEND tolvane_framework_targets tolvane_platform_${area})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/${area} DESTINATION ${tolvane_include_dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/framework/ DESTINATION ${tolvane_include_dir}
  FILES_MATCHING PATTERN "*.h")

# The libraries find each other next to themselves once installed.
foreach(target IN LISTS tolvane_framework_targets)
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  endif()
endforeach()

install(TARGETS ${tolvane_framework_targets} EXPORT TolvaneFrameworkTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${tolvane_include_dir})
install(EXPORT TolvaneFrameworkTargets NAMESPACE Tolvane:: DESTINATION ${tolvane_package_dir})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TolvaneFrameworkConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TolvaneFrameworkConfig.cmake
  INSTALL_DESTINATION ${tolvane_package_dir})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TolvaneFrameworkConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TolvaneFrameworkConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/TolvaneFrameworkConfigVersion.cmake
  DESTINATION ${tolvane_package_dir})
