#pragma once

#include "accessory/AccessoryManager.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "foundation/FdWatch.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace accessory {

// Accessories as Unix stream sockets: every socket "<serial number>.sock" in one folder is a
// connected accessory with that serial number, and a session is a connection to it. An optional
// "<serial number>.json" beside it gives the accessory's "name" and "protocolStrings"; without it the
// name is the serial number and the protocol string the default one.
//
// A socket that appears is an arrival; one that goes away is a departure, and so is the end of a
// session's connection (the unit hung up or failed): that socket counts again only once it is made
// anew. The phone's Bluetooth power is the state named in the file "bluetooth-power" of the folder
// (poweredOn without one); while it is not poweredOn no accessory is connected. Made and used on the
// main thread; the folder is watched on the main loop.
//
// The folder must be the user's own and writable by no one else (it is made 0700 when missing), and
// each unit must run as the same user: otherwise it is refused with an error in the system log and
// nothing is linked.
class LocalSocketAccessoryManager final : public AccessoryManager,
                                          public std::enable_shared_from_this<LocalSocketAccessoryManager> {
public:
    LocalSocketAccessoryManager(std::string directory, std::string defaultProtocolString);
    ~LocalSocketAccessoryManager() override;

    // TOLVANE_ACCESSORY_DIR when set, else "tolvane-accessories" in the user's runtime folder.
    static std::string defaultDirectory();
    const std::string& directory() const { return directory_; }
    // Why the folder is not used, when it is not.
    const std::optional<std::string>& refusal() const { return refusal_; }

    std::vector<AccessoryRef> connectedAccessories() const override;
    SessionRef openSession(const AccessoryRef& accessory, const std::string& protocolString) override;
    std::shared_ptr<bt::IBluetoothPower> bluetoothPower() const override { return power_; }

    static constexpr const char* POWER_FILE_NAME = "bluetooth-power";

private:
    void folderChanged();
    void readPowerFile();
    // The serial numbers of the sockets in the folder, sorted.
    std::vector<std::string> socketsInFolder() const;
    void rescan(bool announce, const std::set<std::string>& vanished);
    AccessoryRef makeAccessory(const std::string& serialNumber);
    void connectionEnded(const AccessoryRef& accessory);
    std::string socketPath(const std::string& serialNumber) const;

    const std::string directory_;
    const std::string defaultProtocolString_;
    std::vector<AccessoryRef> listed_;
    // Sockets whose connection ended, by serial number, until their file is made anew.
    std::set<std::string> ended_;
    uint32_t nextConnectionID_ = 1;
    std::shared_ptr<bt::SettableBluetoothPower> power_;
    const std::optional<std::string> refusal_;
    int inotifyFd_ = -1;
    foundation::FdWatchRef watch_;
};

} // namespace accessory
