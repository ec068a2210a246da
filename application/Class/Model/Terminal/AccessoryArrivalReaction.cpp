#include "Class/Model/Terminal/AccessoryArrivalReaction.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"

#include <string_view>

namespace tolvane::app {

void AccessoryArrivalReaction::arrived(TerminalStore& store, const accessory::AccessoryRef& accessory)
{
    constexpr std::string_view function = "accessoryDidConnect(_:)";
    if (!store.applicationIsActive()) {
        LogManager::print("####Skipped(not active) EAAccessoryDidConnect. Extracted accessories from EAAccessoryDidConnect "
                          "notification object.",
                          LogLevel::information,
                          {.values = {{"Accessories", accessory ? accessory->description() : "nil"}}, .function = function});
        return;
    }
    if (!accessory) {
        LogManager::print("Cannot extracted connected accessory from EAAccessoryDidConnect notification object.",
                          LogLevel::error,
                          {.values = {{"Note", "If this message is called, this process is either not called properly as "
                                               "the observation process for EAAccessoryDidConnect or it is a bug in "
                                               "ExternalAccessory."}},
                           .function = function});
        return;
    }
    LogManager::print("Extracted accessories from EAAccessoryDidConnect notification object.", LogLevel::information,
                      {.values = {{"Accessories", accessory->description()}}, .function = function});
    for (const auto& protocol : accessory->protocolStrings()) {
        if (!TerminalStore::supportedAccessoryProtocols().contains(protocol))
            continue;
        store.refreshTerminalList();
        if (store.targetTerminalUdid() == accessory->serialNumber())
            store.reopen();
        return;
    }
    LogManager::print("This accessory is not yet authenticated.", LogLevel::information, {.function = function});
}

void AccessoryArrivalReaction::departed(TerminalStore& store, const accessory::AccessoryRef& accessory)
{
    constexpr std::string_view function = "accessoryDidDisconnect(_:)";
    if (!accessory)
        return;
    const auto terminal = store.terminal();
    const auto session = terminal ? terminal->session() : nullptr;
    const auto& current = session ? session->accessory() : nullptr;
    if (current && current->connectionID() == accessory->connectionID()) {
        LogManager::print("Close terminal on notified EAAccessoryDidDisconnect.", LogLevel::information,
                          {.values = {{"Accessory", accessory->description()}}, .function = function});
        store.closeTerminal();
        store.sessionDidEnd();
        return;
    }
    LogManager::print("Received EAAccessoryDidDisconnect.", LogLevel::debug,
                      {.values = {{"Accessory", accessory->description()}}, .function = function});
}

} // namespace tolvane::app
