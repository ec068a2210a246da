#include "accessory/FdStreams.h"

#include "foundation/RunLoop.h"

#include <cerrno>
#include <cstring>

#include <linux/sockios.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace accessory {
namespace {

// Small enough that the kernel holds no backlog of frames, large enough for the longest frame.
constexpr int kSendBufferBytes = 2048;

// Bytes written to the socket that its peer has not read yet (local and RFCOMM sockets count them
// until they are consumed); 0 where the socket cannot tell.
int unreadBytes(int fd)
{
    int queued = 0;
    if (::ioctl(fd, SIOCOUTQ, &queued) != 0 || queued < 0)
        return 0;
    return queued;
}

short readyEvents(int fd, short events)
{
    pollfd entry{fd, events, 0};
    if (::poll(&entry, 1, 0) <= 0)
        return 0;
    return entry.revents;
}

} // namespace

FdEndpoint::~FdEndpoint()
{
    unwatch();
    if (fd_ >= 0)
        ::close(fd_);
}

void FdEndpoint::watch(foundation::RunLoop& loop, foundation::FdCondition condition,
                       foundation::FdWatch::Handler handler)
{
    loop_ = loop.weak_from_this();
    watch_ = loop.watchFd(fd_, condition, std::move(handler));
}

void FdEndpoint::setWatching(bool watching)
{
    if (watch_)
        watch_->setEnabled(watching);
}

void FdEndpoint::unwatch()
{
    if (watch_)
        watch_->cancel();
    watch_.reset();
}

void FdEndpoint::dispose(std::unique_ptr<FdEndpoint> endpoint)
{
    if (!endpoint)
        return;
    auto loop = endpoint->loop_.lock();
    if (endpoint->watch_ && loop && !loop->isCurrent()) {
        std::shared_ptr<FdEndpoint> carried(endpoint.release());
        loop->post([carried] { carried->unwatch(); });
        return;
    }
    endpoint.reset();
}

// Reading

std::shared_ptr<FdInputStream> FdInputStream::make(int fd, std::shared_ptr<ConnectionEnd> end)
{
    return std::shared_ptr<FdInputStream>(new FdInputStream(fd, std::move(end)));
}

bool FdInputStream::hasBytesAvailable() const
{
    if (status() != StreamStatus::open || !endpoint_)
        return false;
    return readyEvents(endpoint_->fd(), POLLIN) & (POLLIN | POLLHUP | POLLERR);
}

long FdInputStream::read(uint8_t* buffer, size_t maxLength)
{
    if (status() == StreamStatus::atEnd)
        return 0;
    if (status() != StreamStatus::open || !endpoint_)
        return -1;
    if (maxLength == 0)
        return 0;
    const ssize_t count = ::read(endpoint_->fd(), buffer, maxLength);
    if (count > 0) {
        endpoint_->setWatching(true);
        return count;
    }
    if (count == 0) {
        reachEnd();
        endpoint_->connectionEnded();
        return 0;
    }
    return afterFailedCall(errno);
}

// Writing

std::shared_ptr<FdOutputStream> FdOutputStream::make(int fd, std::shared_ptr<ConnectionEnd> end)
{
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSendBufferBytes, sizeof kSendBufferBytes);
    return std::shared_ptr<FdOutputStream>(new FdOutputStream(fd, std::move(end)));
}

bool FdOutputStream::hasSpaceAvailable() const
{
    if (status() != StreamStatus::open || !endpoint_)
        return false;
    if (!(readyEvents(endpoint_->fd(), POLLOUT) & POLLOUT)) {
        endpoint_->setWatching(true);
        return false;
    }
    // A frame written behind unread ones would reach the unit late, so none is written until the
    // unit has read what it has; no readiness event tells of that, the next send cycle asks again.
    return unreadBytes(endpoint_->fd()) == 0;
}

long FdOutputStream::write(const uint8_t* buffer, size_t length)
{
    if (status() != StreamStatus::open || !endpoint_)
        return -1;
    if (length == 0)
        return 0;
    // No SIGPIPE: a unit that went away is an error of this stream, not of the process.
    const ssize_t count = ::send(endpoint_->fd(), buffer, length, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (count >= 0) {
        if (static_cast<size_t>(count) < length)
            endpoint_->setWatching(true);
        return count;
    }
    return afterFailedCall(errno);
}

} // namespace accessory
