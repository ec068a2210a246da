# Installs the application library with its public headers, the generated resource accessors, the
# platform libraries it adds to the framework's, and a package configuration, so that a host program
# can find_package(TolvaneIntegrationApp) and embed the feature through Tolvane::TolvaneIntegrationApp.

include(${PROJECT_SOURCE_DIR}/cmake/TolvanePackage.cmake)

# What a host program sees: the embedding entry with the types of its fields, the closed logger, and
# the link store with its two thread centres, which a host must end before its Qt application object
# goes. The screens, the router and the rest of the model stay inside the library.
set(application_public_headers
  Class/TolvaneIntegrationAppHelper.h
  Class/UI/Base/View/BaseUINavigationController.h
  Class/SharedObject/CustomUIWindowDelegate.h
  Class/SharedObject/TapEventReceiver.h
  Class/Model/Utility/MEKELCLoger.h
  Class/Model/Terminal/TerminalStore.h
  Class/Model/Terminal/DataReceiveCenter.h
  Class/Model/Terminal/DataTransmissionCenter.h
  Class/Model/Terminal/TaskCenter.h
  Class/Model/Terminal/Terminal.h
  Class/Model/Terminal/TerminalDelegate.h
  Class/Model/Terminal/TerminalProtocol.h
  Class/Model/Terminal/TerminalStoreBase.h
  Class/Model/Terminal/TerminalStorePeriodicSendTaskDataSource.h)

# The platform areas the application library reaches beyond the framework's.
tolvane_install_package(TolvaneIntegrationApp
  LIBRARIES TolvaneIntegrationApp
  PLATFORM_AREAS elclog accessory network location
  HEADERS_FROM ${PROJECT_SOURCE_DIR}/application
  PUBLIC_HEADERS ${application_public_headers})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/generated/R.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/TolvaneIntegrationApp)
