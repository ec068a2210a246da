#pragma once

#include "rx/Publisher.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::app {

class Terminal;

// The registration devices screen's view model as its screen sees it.
class IRegistrationDevicesViewModel {
public:
    enum class Action { none, dataBinding, reloadDeviceList };

    virtual ~IRegistrationDevicesViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // Rebuilds the list of connected units and follows its changes.
    virtual void startSearchingTerminals() = 0;
    // The link store's list as it is now; never copied, so a row always reads the current list.
    virtual const std::vector<std::shared_ptr<Terminal>>& terms() const = 0;
    virtual bool isRegistered(const std::string& udid) const = 0;
    // Makes that unit the one to register and goes on; a row past the end of the list does nothing.
    virtual void selectTerminal(size_t index) = 0;
};

} // namespace tolvane::app
