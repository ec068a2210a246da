#pragma once

#include "Class/Model/Utility/AppVersionCompare.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/PreConfirmation/ViewModel/IPreConfirmationViewModel.h"

#include "foundation/Clock.h"
#include "foundation/Timer.h"
#include "network/PathMonitor.h"
#include "rx/Subject.h"

#include <functional>
#include <memory>
#include <optional>

namespace tolvane {
class IBatteryModel;
class ISdkStateData;
} // namespace tolvane

namespace tolvane::app {

// The first screen's checks before anything may be done with a car: Bluetooth permission, the
// store's version, the phone's battery and Bluetooth power, in that order, each failure queued as
// one alert on the screen. When they pass it routes to the first tutorial, to registration, to the
// only car's disclaimer or to the choice among several cars, never before the screen has been up
// for 2.0 s. It also trims the history, opens the run's history row and keeps the network and
// battery monitoring running while in the foreground. Main thread only.
class PreConfirmationViewModel final : public BaseViewModel, public IPreConfirmationViewModel {
public:
    using VersionLookup = std::function<void(const std::function<void(AppVersionCompare::AppVersionCompareType)>&)>;

    static constexpr int MAX_HISTORY_RECORDS = 300;
    static constexpr int MIN_HISTORY_RECORDS = 150;
    static constexpr foundation::Seconds PRE_CONFIRMATION_ELAPSED_TIME = 2.0;
    static constexpr foundation::Seconds PRE_CONFIRMATION_DELAY = 1.0;

    // Over the shared history store unless given another.
    PreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IBatteryModel> batteryModel,
                             std::shared_ptr<ISdkStateData> sdkStateData, IDataController* dataController = nullptr);
    ~PreConfirmationViewModel() override;

    rx::Published<Action> action{PreConfirmationAction::none{}};
    const std::shared_ptr<IBatteryModel> batteryModel;
    bool shouldDisplayVersionDialog = true;
    std::optional<foundation::Seconds> startDate;
    foundation::TimerRef preConfirmationTimer;
    bool isAvailable = true;
    std::unique_ptr<network::PathMonitor> nwMonitor;
    bt::PowerState centralState = bt::PowerState::unknown;
    const std::shared_ptr<ISdkStateData> sdkStateData;
    rx::CancellableSet moniteringCancellables;
    bool result = false;
    // The store lookup; the application store's unless a test puts another.
    VersionLookup versionLookup = AppVersionCompare::toAppStoreVersion;

    std::string screenName() const override { return "PreConfirmation"; }
    bool isNavigationBarHidden() const override { return true; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }

    // IPreConfirmationViewModel
    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void resetAction() override { action.send(PreConfirmationAction::none{}); }
    void initializeData() override;
    void requestPreConfirmation() override;
    void transitionAfterPreConfirmation() override;
    void restartMonitoring() override;
    void stopMonitoring() override;
    void setCentralState(bt::PowerState state) override { centralState = state; }
    void restartStartDate() override { startDate = now(); }
    void stopDisplayingVersionDialog() override { shouldDisplayVersionDialog = false; }

    void checkTolvaneAvailable();
    bool isLatestAppVersion();
    bool isInternetAvailable() const;
    void startMonitoring();

private:
    void trimHistory();
    void dropMonitor();
    void setBatteryMonitoring(bool enabled);
    bool isBatteryEnough();
    static foundation::Seconds now();
    std::weak_ptr<PreConfirmationViewModel> weakSelf();

    IDataController& dataController_;
    // As last asked of the screen.
    bool isBatteryMonitored_ = false;
};

} // namespace tolvane::app
