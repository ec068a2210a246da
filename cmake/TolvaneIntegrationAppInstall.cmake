# Installs the application library with its headers, the generated resource accessors, the platform
# libraries it adds to the framework's, and a package configuration, so that a host program can
# find_package(TolvaneIntegrationApp) and embed the feature through Tolvane::TolvaneIntegrationApp.

include(${PROJECT_SOURCE_DIR}/cmake/TolvanePackage.cmake)

# The platform areas the application library reaches beyond the framework's.
tolvane_install_package(TolvaneIntegrationApp
  LIBRARIES TolvaneIntegrationApp
  PLATFORM_AREAS elclog accessory network location
  HEADERS_FROM ${PROJECT_SOURCE_DIR}/application)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/R.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/TolvaneIntegrationApp)
