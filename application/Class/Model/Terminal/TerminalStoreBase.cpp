#include "Class/Model/Terminal/TerminalStoreBase.h"

#include "Class/Model/Utility/LogManager.h"

#include "accessory/AccessoryManager.h"
#include "foundation/LogText.h"

#include <cstdio>

namespace tolvane::app {

TerminalStoreBase::TerminalStoreBase(std::shared_ptr<accessory::AccessoryManager> manager) : manager(std::move(manager)) {}

std::vector<std::shared_ptr<Terminal>> TerminalStoreBase::getFetchList(const std::set<std::string>& matching)
{
    const auto accessories = manager->connectedAccessories();
    LogManager::print("Fetched accessories.", LogLevel::debug,
                      {.values = {{"Count", accessories.size()}}, .function = "getFetchList(matching:)"});
    std::vector<std::shared_ptr<Terminal>> terminals;
    for (const auto& accessory : accessories) {
        if (accessory->serialNumber().empty())
            continue;
        LogManager::print("Fetched accessory information.", LogLevel::information,
                          {.values = {{"Accessories", accessory->description()}}, .function = "getFetchList(matching:)"});
        for (const auto& protocol : accessory->protocolStrings()) {
            std::printf("FOUND PROTOCOL: %s\n", foundation::escapedLogText(protocol).c_str());
            if (!matching.contains(protocol))
                continue;
            auto terminal = Terminal::make(manager, accessory, protocol);
            terminal->setDelegate(terminalDelegate());
            terminals.push_back(std::move(terminal));
            break;
        }
    }
    std::fflush(stdout);
    return terminals;
}

std::shared_ptr<Terminal> TerminalStoreBase::getTarminalWithTargetUDID(const std::string& udid,
                                                                       const std::set<std::string>& matching)
{
    for (const auto& accessory : manager->connectedAccessories()) {
        if (accessory->serialNumber().empty() || accessory->serialNumber() != udid)
            continue;
        for (const auto& protocol : accessory->protocolStrings()) {
            if (!matching.contains(protocol))
                continue;
            auto terminal = Terminal::make(manager, accessory, protocol);
            terminal->setDelegate(terminalDelegate());
            return terminal;
        }
    }
    return nullptr;
}

} // namespace tolvane::app
