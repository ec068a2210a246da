#include "Class/UI/RegistrationDevices/ViewModel/RegistrationDevicesViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"

#include <algorithm>

namespace tolvane::app {

RegistrationDevicesViewModel::RegistrationDevicesViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void RegistrationDevicesViewModel::startSearchingTerminals()
{
    loopChecker_.check(typeid(*this));
    action.send(Action::dataBinding);
    // The refresh empties the list and announces that before it adds each connected unit.
    TerminalStore::shared()->refreshTerminalList();
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    terminalListObservation_ = foundation::NotificationCenter::defaultCenter().addObserver(TerminalStore::eventTerminalListChangedKey, [weak] {
        if (auto self = std::static_pointer_cast<RegistrationDevicesViewModel>(weak.lock()))
            self->updateTerminal();
    });
}

void RegistrationDevicesViewModel::updateTerminal()
{
    action.send(Action::reloadDeviceList);
}

const std::vector<std::shared_ptr<Terminal>>& RegistrationDevicesViewModel::terms() const
{
    return TerminalStore::shared()->terms();
}

bool RegistrationDevicesViewModel::isRegistered(const std::string& udid) const
{
    const auto records = CarRecordStore::shared().loadCarRecords();
    return records && std::ranges::any_of(*records, [&](const CarRecord& record) { return record.CarID == udid; });
}

void RegistrationDevicesViewModel::selectTerminal(size_t index)
{
    loopChecker_.check(typeid(*this));
    const auto& list = terms();
    if (index >= list.size())
        return;
    TerminalStore::shared()->setTerminal(list[index]);
    transitionManager->showConnectingForRegistration();
}

} // namespace tolvane::app
