#include "Class/UI/PreConfirmation/ViewModel/PreConfirmationViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/DataController.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"

#include "Internal/Model/IBatteryModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "bluetooth/CentralManager.h"
#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"

#include <algorithm>

namespace tolvane::app {
namespace {

bool storedBool(UserDefaultsKey key)
{
    return foundation::UserDefaults::standard()->boolean(rawValue(key));
}

} // namespace

PreConfirmationViewModel::PreConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IBatteryModel> batteryModel,
                                                   std::shared_ptr<ISdkStateData> sdkStateData, IDataController* dataController)
    : BaseViewModel(std::move(injection)),
      batteryModel(std::move(batteryModel)),
      sdkStateData(std::move(sdkStateData)),
      dataController_(dataController ? *dataController : DataController::shared())
{
}

PreConfirmationViewModel::~PreConfirmationViewModel() = default;

foundation::Seconds PreConfirmationViewModel::now()
{
    return foundation::RunLoop::main().clock().now();
}

std::weak_ptr<PreConfirmationViewModel> PreConfirmationViewModel::weakSelf()
{
    return std::static_pointer_cast<PreConfirmationViewModel>(shared_from_this());
}

void PreConfirmationViewModel::initializeData()
{
    UserDefaultsValues::setShouldShowFirstTutorial(true);
    LogManager::print(std::string("isAppKilled: ") + (storedBool(UserDefaultsKey::isAppKilled) ? "true" : "false"), LogLevel::debug,
                      {.function = "initializeData()"});
    EventStack::shared().setStack({});
    trimHistory();
    action.send(PreConfirmationAction::setHistoryData{&dataController_});
    startDate = now();
    startMonitoring();
}

void PreConfirmationViewModel::trimHistory()
{
    const int count = dataController_.countHistories();
    if (count < MAX_HISTORY_RECORDS)
        return;
    auto rows = dataController_.fetchAllHistories();
    // The stored launch text decides the order, in each row's own zone.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TolvaneControlHistory& a, const TolvaneControlHistory& b) { return a.launchDateText() < b.launchDateText(); });
    const size_t surplus = static_cast<size_t>(count - MIN_HISTORY_RECORDS);
    for (size_t i = 0; i < std::min(surplus, rows.size()); ++i)
        dataController_.deleteHistory(rows[i].id);
    dataController_.saveContext();
}

void PreConfirmationViewModel::startMonitoring()
{
    nwMonitor = std::make_unique<network::PathMonitor>();
    nwMonitor->start();
    setBatteryMonitoring(true);
}

void PreConfirmationViewModel::dropMonitor()
{
    if (nwMonitor)
        nwMonitor->cancel();
    nwMonitor.reset();
}

void PreConfirmationViewModel::setBatteryMonitoring(bool enabled)
{
    isBatteryMonitored_ = enabled;
    action.send(PreConfirmationAction::setIsBatteryMonitoringEnabled{enabled});
}

bool PreConfirmationViewModel::isBatteryEnough()
{
    // The level is known only while the battery is watched, and an unknown level counts as low: a
    // check made while it is not (Bluetooth was off, the application away) watches it for the reading.
    const bool wasMonitored = isBatteryMonitored_;
    if (!wasMonitored)
        setBatteryMonitoring(true);
    const bool enough = batteryModel->requestCheckBatteryLevel();
    if (!wasMonitored)
        setBatteryMonitoring(false);
    return enough;
}

void PreConfirmationViewModel::stopMonitoring()
{
    moniteringCancellables.removeAll();
    dropMonitor();
    setBatteryMonitoring(false);
}

void PreConfirmationViewModel::restartMonitoring()
{
    // One subscription at a time: a second one would open two history rows on the next time-out.
    moniteringCancellables.removeAll();
    const auto weak = weakSelf();
    moniteringCancellables.insert(sdkStateData->sdkState().sink([weak](const SdkState& state) {
        const auto self = weak.lock();
        if (!self || state != SdkState::TIMEOUT)
            return;
        self->initializeData();
        self->action.send(PreConfirmationAction::didBecomeActive{});
    }));
    dropMonitor();
    setBatteryMonitoring(false);
    startMonitoring();
}

bool PreConfirmationViewModel::isInternetAvailable() const
{
    return nwMonitor && nwMonitor->currentPathStatus() == network::PathMonitor::Status::satisfied;
}

bool PreConfirmationViewModel::isLatestAppVersion()
{
    versionLookup([this](AppVersionCompare::AppVersionCompareType type) {
        switch (type) {
        case AppVersionCompare::AppVersionCompareType::latest:
            result = true;
            break;
        case AppVersionCompare::AppVersionCompareType::old:
            result = false;
            break;
        case AppVersionCompare::AppVersionCompareType::error:
            result = true;
            LogManager::print("Failed to get app version.", LogLevel::error, {.function = "isLatestAppVersion()"});
            break;
        }
    });
    return result;
}

void PreConfirmationViewModel::checkTolvaneAvailable()
{
    const LogOptions options{.function = "checkTolvaneAvailable()"};
    if (bt::CentralManager::authorization() != bt::Authorization::allowedAlways) {
        action.send(PreConfirmationAction::appendBluetoothPermissionAlert{});
        isAvailable = false;
        LogManager::print("SMP bluetooth is not authorized.", LogLevel::warning, options);
        return;
    }
    if (shouldDisplayVersionDialog) {
        if (!isInternetAvailable()) {
            LogManager::print("Internet is not available.", LogLevel::warning, options);
        } else if (!isLatestAppVersion()) {
            action.send(PreConfirmationAction::appendAppVersionAlert{});
            LogManager::print("App version is not latest.", LogLevel::warning, options);
        }
    }
    if (!isBatteryEnough()) {
        action.send(PreConfirmationAction::appendBatteryAlert{});
        isAvailable = false;
        LogManager::print("SMP battery remaining is not enough.", LogLevel::warning, options);
        return;
    }
    if (centralState != bt::PowerState::poweredOn) {
        action.send(PreConfirmationAction::appendBluetoothAlert{});
        LogManager::print("SMP bluetooth function is not available.", LogLevel::warning, options);
        dropMonitor();
        setBatteryMonitoring(false);
        isAvailable = false;
        return;
    }
    isAvailable = true;
    LogManager::print("Tolvane precondition check succeeded.", LogLevel::information, options);
}

void PreConfirmationViewModel::requestPreConfirmation()
{
    if (startDate && !preConfirmationTimer) {
        const foundation::Seconds remainder = PRE_CONFIRMATION_DELAY - (now() - *startDate);
        if (remainder > 0) {
            const auto weak = weakSelf();
            preConfirmationTimer = foundation::RunLoop::main().scheduleTimer(remainder, false, [weak](foundation::Timer& timer) {
                timer.invalidate();
                if (const auto self = weak.lock()) {
                    self->checkTolvaneAvailable();
                    self->action.send(PreConfirmationAction::doPreConfirmation{});
                }
            });
            return;
        }
    }
    checkTolvaneAvailable();
    action.send(PreConfirmationAction::doPreConfirmation{});
}

void PreConfirmationViewModel::transitionAfterPreConfirmation()
{
    if (!isAvailable)
        return;
    if (startDate) {
        const foundation::Seconds remainder = PRE_CONFIRMATION_ELAPSED_TIME - (now() - *startDate);
        startDate.reset();
        if (remainder > 0) {
            const auto weak = weakSelf();
            foundation::RunLoop::main().scheduleTimer(remainder, false, [weak](foundation::Timer& timer) {
                timer.invalidate();
                if (const auto self = weak.lock())
                    self->transitionAfterPreConfirmation();
            });
            return;
        }
    }
    if (storedBool(UserDefaultsKey::shouldShowFirstTutorial)) {
        transitionManager->showFirstTutorialFlow();
        return;
    }
    auto& cars = CarRecordStore::shared();
    const auto records = cars.loadCarRecords().value_or(std::vector<CarRecord>{});
    if (records.empty()) {
        transitionManager->showFirstRegistration();
    } else if (records.size() == 1) {
        cars.selectedCarRecord = records.front();
        transitionManager->showDisclaimer();
    } else {
        transitionManager->showConnectionConfirmation();
    }
}

} // namespace tolvane::app
