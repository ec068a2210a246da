#pragma once

#include "ScreenFrameworkTest.h"

#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"

#include "IRingViewModel.h"
#include "ISlideViewModel.h"
#include "ISoundModel.h"
#include "Internal/Model/BatteryModel.h"
#include "Internal/Model/VehicleStateData.h"
#include "bluetooth/BluetoothPower.h"
#include "device/BatteryMonitoring.h"
#include "device/DeviceBattery.h"
#include "di/Assembly.h"
#include "network/NetworkPath.h"
#include "network/SettableNetworkPath.h"
#include "ui/StoryboardRegistry.h"
#include "ui/Window.h"

#include <functional>
#include <memory>
#include <string>

namespace screen_testing {

// The phone's battery, half charged unless a test says otherwise; its level is known only while
// it is watched.
class TestBattery final : public device::IDeviceBattery {
public:
    float batteryLevel() const override { return level; }
    float level = 0.5f;
};

// The squares of a 390 x 844 screen with a 34-point bottom inset.
class FakeSlideViewModel final : public ISlideViewModel {
public:
    ui::Rect operateFrame() const override { return {135, 570, 120, 120}; }
    ui::Rect startFrame() const override { return {135, 690, 120, 120}; }
    void onTap(bool) override {}
};

class FakeRingViewModel final : public IRingViewModel {
public:
    void setOnTouchListenerOperate(ui::View&) override {}
};

class FakeSoundModel final : public ISoundModel {
public:
    void requestUpdateSoundSetting(const SoundSettingUpdate&) override {}
};

// The application's three assemblies over the shared container with fakes of the framework, and
// the embedding entry's navigation stack in a window, its first screen the pre-confirmation one.
class ApplicationTest : public ScreenFrameworkTest {
protected:
    ApplicationTest()
    {
        auto& container = di::Container::defaultContainer();
        provide<IDisplayData>(displayData);
        provide<ICautionData>(cautionData);
        provide<IUserOperationModel>(userOperations);
        provide<ISdkModel>(sdkModel);
        provide<IDisplayModel>(displayModel);
        provide<IVehicleStateData>(std::make_shared<VehicleStateData>());
        provide<IBatteryModel>(std::make_shared<BatteryModel>());
        previousBattery = device::setDeviceBattery(battery);
        provide<ISlideViewModel>(std::make_shared<FakeSlideViewModel>());
        provide<ISoundModel>(std::make_shared<FakeSoundModel>());
        provide<IRingViewModel>(std::make_shared<FakeRingViewModel>());
        di::Assembler({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(), std::make_shared<ModelDataAssembly>()},
                      container);
        transitionManager = container.resolve<ITransitionManager>();
        // The first screen follows the phone's Bluetooth and network: the test's own, never the machine's.
        bt::setBluetoothPower(power);
        network::setNetworkPath(networkPath);
    }
    ~ApplicationTest() override
    {
        network::setNetworkPath(nullptr);
        bt::setBluetoothPower(nullptr);
        device::setBatteryMonitoringEnabled(false);
        device::setDeviceBattery(previousBattery);
        TolvaneIntegrationAppHelper::shared().navigationController.reset();
        window->setRootViewController(nullptr);
        time.runUntilIdle();
    }

    template <class Service>
    void provide(std::shared_ptr<Service> service)
    {
        di::Container::defaultContainer()
            .registerService<Service>([service](di::Resolver&) { return service; })
            .inObjectScope(di::ObjectScope::container);
    }

    // The embedding entry's stack, shown.
    void showStack()
    {
        stack = std::make_shared<BaseUINavigationController>(ui::StoryboardRegistry::shared().instantiateInitialViewController("PreConfirmation"));
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
    }

    // Lets every transition and queued task finish.
    void settle()
    {
        time.advance(1.0);
        time.runUntilIdle();
    }

    std::shared_ptr<TestBattery> battery = std::make_shared<TestBattery>();
    std::shared_ptr<device::IDeviceBattery> previousBattery;
    std::shared_ptr<network::SettableNetworkPath> networkPath = std::make_shared<network::SettableNetworkPath>(false);
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<ITransitionManager> transitionManager;
    std::shared_ptr<BaseUINavigationController> stack;
};

} // namespace screen_testing
