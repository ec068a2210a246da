# Installs the framework library with its public headers, the platform libraries it needs, and a
# package configuration, so that a host program can find_package(TolvaneFramework) and link
# Tolvane::TolvaneFramework.

include(${PROJECT_SOURCE_DIR}/cmake/TolvanePackage.cmake)

# What a host program sees: the facade, the protocols it resolves from the container and the value
# types they hand out. The codec, records, stores, arbitration and detectors stay inside the library,
# although some of them share a folder with these.
set(framework_public_headers
  TolvaneFramework.h
  IRingViewModel.h
  ISlideViewModel.h
  ISoundModel.h
  Internal/Model/ISdkModel.h
  Internal/Model/IUserOperationModel.h
  Internal/Model/IDisplayModel.h
  Internal/Model/IBluetoothSocketModel.h
  Internal/Model/IBatteryModel.h
  Internal/Model/IDataCodingModel.h
  Internal/Model/ICautionData.h
  Internal/Model/IDisplayData.h
  Internal/Model/IVehicleStateData.h
  Internal/Model/ISdkStateData.h
  Internal/Model/CauseId.h
  Internal/Model/SdkState.h
  Internal/Model/RequiredDisplayId.h
  Internal/Model/UserOperationKind.h
  Internal/Model/MoveParkInDirection.h
  Internal/Model/MoveParkOutDirection.h
  Internal/Model/MovesPosition.h
  Internal/Model/ObstacleDistance.h
  Internal/Model/ObstacleInfo.h
  Internal/Model/ObstaclePosition.h
  Internal/Model/OperateDirection.h
  Internal/Model/OperateInfo.h
  Internal/Model/OperateReq.h
  Internal/Model/PlanForwardBackwardDirection.h
  Internal/Model/PlanForwardBackwardInfo.h
  Internal/Model/PlanParkInDirection.h
  Internal/Model/PlanParkInInfo.h
  Internal/Model/PlanParkOutDirection.h
  Internal/Model/PlanParkOutInfo.h)

# The platform areas the framework's interface reaches.
tolvane_install_package(TolvaneFramework
  LIBRARIES TolvaneFramework
  PLATFORM_AREAS rx foundation di bluetooth audio haptics ui device
  HEADERS_FROM ${PROJECT_SOURCE_DIR}/framework
  PUBLIC_HEADERS ${framework_public_headers})
