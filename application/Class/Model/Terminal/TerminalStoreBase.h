#pragma once

#include "Class/Model/Terminal/Terminal.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace accessory {
class AccessoryManager;
}

namespace tolvane::app {

// Finds the connected accessories that speak one of a set of protocol strings and makes terminals
// for them, reporting to `terminalDelegate()`.
class TerminalStoreBase {
public:
    explicit TerminalStoreBase(std::shared_ptr<accessory::AccessoryManager> manager);
    virtual ~TerminalStoreBase() = default;

    // The delegate of every terminal the look-ups make; none here.
    virtual std::shared_ptr<TerminalDelegate> terminalDelegate() { return nullptr; }

    // One terminal per accessory with a serial number, for its first protocol string in the set,
    // in accessory order.
    std::vector<std::shared_ptr<Terminal>> getFetchList(const std::set<std::string>& matching);
    // The terminal of the accessory with that serial number, or none. Writes no log line.
    std::shared_ptr<Terminal> getTarminalWithTargetUDID(const std::string& udid, const std::set<std::string>& matching);

protected:
    const std::shared_ptr<accessory::AccessoryManager> manager;
};

} // namespace tolvane::app
