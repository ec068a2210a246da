# Installs the framework library with its public headers, the platform libraries it needs, and a
# package configuration, so that a host program can find_package(TolvaneFramework) and link
# Tolvane::TolvaneFramework.

include(${PROJECT_SOURCE_DIR}/cmake/TolvanePackage.cmake)

# The platform areas the framework's interface reaches.
tolvane_install_package(TolvaneFramework
  LIBRARIES TolvaneFramework
  PLATFORM_AREAS rx foundation di bluetooth audio haptics ui device
  HEADERS_FROM ${PROJECT_SOURCE_DIR}/framework)
