#include "accessory/SocketSession.h"

#include "accessory/ConnectionEnd.h"
#include "accessory/FdStreams.h"
#include "foundation/RunLoop.h"

#include <fcntl.h>
#include <unistd.h>

namespace accessory {

SessionRef makeSocketSession(AccessoryRef accessory, std::string protocolString, int fd,
                             std::function<void()> onConnectionEnd)
{
    const int outputFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (outputFd < 0) {
        ::close(fd);
        return nullptr;
    }
    auto end = std::make_shared<ConnectionEnd>([onConnectionEnd = std::move(onConnectionEnd)] {
        foundation::RunLoop::main().post(onConnectionEnd);
    });
    return std::make_shared<Session>(std::move(accessory), std::move(protocolString), FdInputStream::make(fd, end),
                                     FdOutputStream::make(outputFd, end));
}

} // namespace accessory
