// Arbitrary entries in the accessory folder, as another program may leave them: the first line is
// the Bluetooth power file, every further line the name of an entry, made a listening socket when
// it ends in ".sock" and a file otherwise. The folder is read, each unit listed is described and
// opened, and nothing may crash or hang.

#include "SilentSystemLog.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "foundation/LogText.h"
#include "foundation/VirtualTime.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr size_t kMostEntries = 8;

bool isFileName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// A listening socket at `path`, or -1 when the path is too long for one.
int listenAt(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path))
        return -1;
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::silenceSystemLog();
    static foundation::VirtualTime time;
    static const QTemporaryDir root;
    const std::string folder = root.path().toStdString() + "/accessories";
    QDir(QString::fromStdString(folder)).removeRecursively();

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t firstBreak = std::min(input.find('\n'), input.size());
    std::vector<int> listening;
    {
        QDir().mkpath(QString::fromStdString(folder));
        std::ofstream(folder + "/bluetooth-power") << input.substr(0, firstBreak);
        size_t at = firstBreak;
        for (size_t made = 0; at < input.size() && made < kMostEntries; ++made) {
            const size_t end = std::min(input.find('\n', at + 1), input.size());
            const std::string name(input.substr(at + 1, end - at - 1));
            at = end;
            if (!isFileName(name))
                continue;
            const std::string path = folder + "/" + name;
            if (name.ends_with(".sock")) {
                if (const int fd = listenAt(path); fd >= 0)
                    listening.push_back(fd);
            } else {
                std::ofstream(path) << name;
            }
        }
    }

    auto manager = std::make_shared<accessory::LocalSocketAccessoryManager>(folder, "com.tolvane.control.protocol1");
    time.runUntilIdle();
    for (const auto& accessory : manager->connectedAccessories()) {
        (void)foundation::escapedLogText(accessory->description());
        for (const auto& protocol : accessory->protocolStrings())
            (void)manager->openSession(accessory, protocol);
    }
    time.runUntilIdle();
    manager.reset();
    for (const int fd : listening)
        ::close(fd);
    return 0;
}
