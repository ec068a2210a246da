#include "TolvaneFramework.h"

#include "IRingViewModel.h"
#include "ISlideViewModel.h"
#include "ISoundModel.h"
#include "Internal/Model/IBatteryModel.h"
#include "Internal/Model/IBluetoothSocketModel.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/IVehicleStateData.h"
#include "FrameworkServices.h"
#include "ISoundControl.h"
#include "ISoundData.h"
#include "Internal/Model/DetectAbnormal/IDetectBluetooth.h"
#include "Internal/Model/DetectAbnormal/IDetectCheckSum.h"
#include "Internal/Model/DetectAbnormal/IDetectClearSonerCounterFixing.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationRequest.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationVerification.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuCsrError.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuIdtError.h"
#include "Internal/Model/DetectAbnormal/IDetectDeadlock.h"
#include "Internal/Model/DetectAbnormal/IDetectIdtdspError.h"
#include "Internal/Model/DetectAbnormal/IDetectLatch.h"
#include "Internal/Model/DetectAbnormal/IDetectMekdspError.h"
#include "Internal/Model/IBtMekConverter.h"
#include "Internal/Model/IConnectionData.h"
#include "Internal/Model/IDataArbitrator.h"
#include "Internal/Model/IDataCoder.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <typeindex>

namespace {

using namespace tolvane;
using testing_support::Recorder;

// The same object, whichever of its interfaces the pointers view it through.
template <class A, class B>
bool sameObject(const std::shared_ptr<A>& a, const std::shared_ptr<B>& b)
{
    return a && b && dynamic_cast<const void*>(a.get()) == dynamic_cast<const void*>(b.get());
}

template <class I>
std::shared_ptr<I> resolve()
{
    return di::Container::defaultContainer().resolve<I>();
}

// The 38 services the two assemblies register, in their order.
const std::vector<std::type_index> registeredServices = {
    typeid(IBtMekConverter),
    typeid(IDataCoder),
    typeid(IDataArbitrator),
    typeid(IVibrateControl),
    typeid(ISoundControl),
    typeid(IDetectBluetooth),
    typeid(IDetectCommunicationVerification),
    typeid(IDetectCommunicationRequest),
    typeid(IDetectCheckSum),
    typeid(IDetectClearSonerCounterFixing),
    typeid(IDetectDcuCsrError),
    typeid(IDetectDcuIdtError),
    typeid(IDetectIdtdspError),
    typeid(IDetectMekdspError),
    typeid(IDetectLatch),
    typeid(IDetectDeadlock),
    typeid(IDetectService),
    typeid(IInternalDisplayData),
    typeid(IInternalSdkStateData),
    typeid(IInternalVehicleStateData),
    typeid(IInternalSendBTData),
    typeid(IWillArbitrateData),
    typeid(IInternalCautionData),
    typeid(ISoundData),
    typeid(IConnectionData),
    typeid(IBluetoothSocketModel),
    typeid(IDataCodingModel),
    typeid(IDisplayModel),
    typeid(IBatteryModel),
    typeid(ISoundModel),
    typeid(IUserOperationModel),
    typeid(ISdkModel),
    typeid(ISdkStateData),
    typeid(IDisplayData),
    typeid(IVehicleStateData),
    typeid(ICautionData),
    typeid(IRingViewModel),
    typeid(ISlideViewModel),
};

class TolvaneFrameworkTest : public ::testing::Test, protected testing_support::FrameworkServices {};

TEST_F(TolvaneFrameworkTest, CreatingTheFrameworkRegistersEveryServiceAndBuildsNone)
{
    TolvaneFramework framework;
    const auto& container = di::Container::defaultContainer();
    ASSERT_EQ(registeredServices.size(), 38u);
    for (const std::type_index& service : registeredServices) {
        EXPECT_TRUE(container.isRegistered(service)) << service.name();
        EXPECT_FALSE(container.hasInstance(service)) << service.name();
    }
}

TEST_F(TolvaneFrameworkTest, EveryPublicServiceResolvesToOneObject)
{
    TolvaneFramework framework;
    const auto once = [](auto resolved, auto again) {
        EXPECT_NE(resolved, nullptr);
        EXPECT_EQ(resolved, again);
    };
    once(resolve<ISdkModel>(), resolve<ISdkModel>());
    once(resolve<IDisplayModel>(), resolve<IDisplayModel>());
    once(resolve<IDisplayData>(), resolve<IDisplayData>());
    once(resolve<ICautionData>(), resolve<ICautionData>());
    once(resolve<IVehicleStateData>(), resolve<IVehicleStateData>());
    once(resolve<ISdkStateData>(), resolve<ISdkStateData>());
    once(resolve<IBatteryModel>(), resolve<IBatteryModel>());
    once(resolve<IBluetoothSocketModel>(), resolve<IBluetoothSocketModel>());
    once(resolve<IDataCodingModel>(), resolve<IDataCodingModel>());
    once(resolve<IRingViewModel>(), resolve<IRingViewModel>());
    once(resolve<ISlideViewModel>(), resolve<ISlideViewModel>());
    once(resolve<ISoundModel>(), resolve<ISoundModel>());
    once(resolve<IUserOperationModel>(), resolve<IUserOperationModel>());
}

TEST_F(TolvaneFrameworkTest, TheReadOnlyStoresAreTheObjectsTheFrameworkWrites)
{
    TolvaneFramework framework;
    EXPECT_TRUE(sameObject(resolve<ISdkStateData>(), resolve<IInternalSdkStateData>()));
    EXPECT_TRUE(sameObject(resolve<IDisplayData>(), resolve<IInternalDisplayData>()));
    EXPECT_TRUE(sameObject(resolve<IVehicleStateData>(), resolve<IInternalVehicleStateData>()));
    EXPECT_TRUE(sameObject(resolve<ICautionData>(), resolve<IInternalCautionData>()));

    // What one service writes, the application reads.
    Recorder<RequiredDisplayId> screens(resolve<IDisplayData>()->reqDisplayId());
    Recorder<SdkState> states(resolve<ISdkStateData>()->sdkState());
    resolve<IUserOperationModel>()->notifyUserOperation(UserOperationKind::REQ_START_TOLVANE{});
    EXPECT_EQ(screens.values, std::vector{RequiredDisplayId::SENSING});
    EXPECT_EQ(states.values, std::vector{SdkState::OPERATING});
}

TEST_F(TolvaneFrameworkTest, ServicesShareTheStores)
{
    TolvaneFramework framework;
    resolve<IDisplayModel>()->notifyDisplayPopup(true);
    EXPECT_TRUE(resolve<IInternalDisplayData>()->isDisplayPopup().value());
    resolve<ISdkModel>()->requestFinishSdk();
    EXPECT_FALSE(resolve<IInternalDisplayData>()->isDisplayPopup().value());
}

// Creating the framework again, as a second application object might, changes nothing: the services
// already handed out stay the only ones.
TEST_F(TolvaneFrameworkTest, ASecondFrameworkKeepsTheServicesHandedOut)
{
    TolvaneFramework framework;
    const auto sdkModel = resolve<ISdkModel>();
    TolvaneFramework again;
    EXPECT_EQ(resolve<ISdkModel>(), sdkModel);
}

TEST_F(TolvaneFrameworkTest, AMissingServiceEndsTheProcessNamingTheAssemblyAndLine)
{
    TolvaneFramework framework;
    // The cause store yields nothing: every detector's registration names its own line.
    di::Container::defaultContainer().registerService<IInternalCautionData>(
        [](di::Resolver&) { return std::shared_ptr<IInternalCautionData>(); });
    EXPECT_DEATH(resolve<IDetectCheckSum>(), "Fatal error: .*file ModelDataAssembleySdk\\.cpp, line [0-9]+");

    di::Container::defaultContainer().registerService<IVibrateControl>(
        [](di::Resolver&) { return std::shared_ptr<IVibrateControl>(); });
    EXPECT_DEATH(resolve<ISlideViewModel>(), "Fatal error: .*file ViewModelAssembleySdk\\.cpp, line [0-9]+");
}

} // namespace
