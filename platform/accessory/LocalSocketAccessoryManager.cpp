#include "accessory/LocalSocketAccessoryManager.h"

#include "accessory/AccessoryDescription.h"
#include "accessory/AccessoryFolder.h"
#include "accessory/SocketSession.h"
#include "bluetooth/PowerStateText.h"
#include "foundation/LogText.h"
#include "foundation/RunLoop.h"
#include "foundation/SmallFile.h"
#include "foundation/SystemLog.h"

#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace accessory {
namespace {

constexpr std::string_view kSocketSuffix = ".sock";
// Far above what a description or the power state needs, far below what could hold the program up.
constexpr size_t kDescriptionBytes = 64 * 1024;
constexpr size_t kPowerFileBytes = 64;

void logRefusal(const std::string& reason)
{
    foundation::systemLog().write(foundation::SystemLogType::error, foundation::applicationIdentifier(), "accessory",
                                  foundation::escapedLogText(reason));
}

// The connected socket, non-blocking, or -1.
int connectTo(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path))
        return -1;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

LocalSocketAccessoryManager::LocalSocketAccessoryManager(std::string directory, std::string defaultProtocolString)
    : directory_(std::move(directory)),
      defaultProtocolString_(std::move(defaultProtocolString)),
      power_(std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn)),
      refusal_(AccessoryFolder::prepare(directory_))
{
    if (refusal_) {
        logRefusal(*refusal_);
        return;
    }
    inotifyFd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotifyFd_ >= 0) {
        ::inotify_add_watch(inotifyFd_, directory_.c_str(),
                            IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB);
        watch_ = foundation::RunLoop::main().watchFd(inotifyFd_, foundation::FdCondition::readable,
                                                     [this] { folderChanged(); });
    }
    readPowerFile();
    rescan(false, {});
}

LocalSocketAccessoryManager::~LocalSocketAccessoryManager()
{
    if (watch_)
        watch_->cancel();
    if (inotifyFd_ >= 0)
        ::close(inotifyFd_);
}

std::string LocalSocketAccessoryManager::defaultDirectory()
{
    if (const char* configured = std::getenv("TOLVANE_ACCESSORY_DIR"); configured && *configured)
        return configured;
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return runtime.toStdString() + "/tolvane-accessories";
}

std::vector<AccessoryRef> LocalSocketAccessoryManager::connectedAccessories() const
{
    return listed_;
}

std::string LocalSocketAccessoryManager::socketPath(const std::string& serialNumber) const
{
    return directory_ + "/" + serialNumber + std::string(kSocketSuffix);
}

SessionRef LocalSocketAccessoryManager::openSession(const AccessoryRef& accessory, const std::string& protocolString)
{
    if (refusal_ || !accessory || !accessory->isConnected() || power_->state() != bt::PowerState::poweredOn)
        return nullptr;
    const auto& offered = accessory->protocolStrings();
    if (std::find(offered.begin(), offered.end(), protocolString) == offered.end())
        return nullptr;
    const std::string path = socketPath(accessory->serialNumber());
    const int fd = connectTo(path);
    if (fd < 0)
        return nullptr;
    if (const auto refusal = AccessoryFolder::refusePeer(fd, path)) {
        logRefusal(*refusal);
        ::close(fd);
        return nullptr;
    }
    std::weak_ptr<LocalSocketAccessoryManager> weakSelf = weak_from_this();
    return makeSocketSession(accessory, protocolString, fd, [weakSelf, accessory] {
        if (auto self = weakSelf.lock())
            self->connectionEnded(accessory);
    });
}

void LocalSocketAccessoryManager::folderChanged()
{
    // A socket that went away is gone even when one of the same name already replaced it.
    std::set<std::string> vanished;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t length; (length = ::read(inotifyFd_, buffer, sizeof(buffer))) > 0;) {
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            const std::string name = event->len > 0 ? event->name : "";
            if ((event->mask & (IN_DELETE | IN_MOVED_FROM)) && name.ends_with(kSocketSuffix))
                vanished.insert(name.substr(0, name.size() - kSocketSuffix.size()));
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    readPowerFile();
    rescan(true, vanished);
}

void LocalSocketAccessoryManager::readPowerFile()
{
    const auto text = foundation::readSmallRegularFile(directory_ + "/" + POWER_FILE_NAME, kPowerFileBytes);
    power_->setState(bt::powerStateFromText(text.value_or("")).value_or(bt::PowerState::poweredOn));
}

std::vector<std::string> LocalSocketAccessoryManager::socketsInFolder() const
{
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory_, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(kSocketSuffix))
            continue;
        struct stat status{};
        if (::stat(entry.path().c_str(), &status) != 0 || !S_ISSOCK(status.st_mode))
            continue;
        found.push_back(name.substr(0, name.size() - kSocketSuffix.size()));
    }
    std::sort(found.begin(), found.end());
    return found;
}

void LocalSocketAccessoryManager::rescan(bool announce, const std::set<std::string>& vanished)
{
    // With the power off every unit is out of reach.
    const auto found = power_->state() == bt::PowerState::poweredOn ? socketsInFolder() : std::vector<std::string>{};
    auto present = [&](const std::string& serialNumber) {
        return !vanished.contains(serialNumber) && std::binary_search(found.begin(), found.end(), serialNumber);
    };

    std::erase_if(ended_, [&](const std::string& serialNumber) { return !present(serialNumber); });
    std::vector<AccessoryRef> departed;
    std::erase_if(listed_, [&](const AccessoryRef& accessory) {
        if (present(accessory->serialNumber()))
            return false;
        departed.push_back(accessory);
        return true;
    });
    std::vector<AccessoryRef> arrived;
    for (const auto& serialNumber : found) {
        const bool listed = std::any_of(listed_.begin(), listed_.end(), [&](const AccessoryRef& accessory) {
            return accessory->serialNumber() == serialNumber;
        });
        if (listed || ended_.contains(serialNumber))
            continue;
        auto accessory = makeAccessory(serialNumber);
        listed_.push_back(accessory);
        arrived.push_back(accessory);
    }
    for (const auto& accessory : departed) {
        accessory->markDisconnected();
        if (announce)
            postDidDisconnect(accessory);
    }
    if (announce)
        for (const auto& accessory : arrived)
            postDidConnect(accessory);
}

AccessoryRef LocalSocketAccessoryManager::makeAccessory(const std::string& serialNumber)
{
    AccessoryDescription description{.name = serialNumber, .protocolStrings = {defaultProtocolString_}};
    if (const auto json = foundation::readSmallRegularFile(directory_ + "/" + serialNumber + ".json", kDescriptionBytes))
        description = AccessoryDescription::parse(*json, std::move(description));
    return std::make_shared<Accessory>(description.name, serialNumber, description.protocolStrings,
                                       nextConnectionID_++);
}

void LocalSocketAccessoryManager::connectionEnded(const AccessoryRef& accessory)
{
    auto it = std::find(listed_.begin(), listed_.end(), accessory);
    if (it == listed_.end())
        return;
    ended_.insert(accessory->serialNumber());
    listed_.erase(it);
    accessory->markDisconnected();
    postDidDisconnect(accessory);
}

} // namespace accessory
