#pragma once

#include "accessory/ConnectionEnd.h"
#include "accessory/InputStream.h"
#include "accessory/OutputStream.h"
#include "foundation/FdWatch.h"

#include <cerrno>
#include <cstring>
#include <memory>

namespace accessory {

// The descriptor of one stream and its readiness watch, closed on the loop that watches it.
class FdEndpoint {
public:
    FdEndpoint(int fd, std::shared_ptr<ConnectionEnd> end) : fd_(fd), end_(std::move(end)) {}
    ~FdEndpoint();
    FdEndpoint(const FdEndpoint&) = delete;
    FdEndpoint& operator=(const FdEndpoint&) = delete;

    int fd() const { return fd_; }
    void watch(foundation::RunLoop& loop, foundation::FdCondition condition, foundation::FdWatch::Handler handler);
    void setWatching(bool watching);
    void unwatch();
    void connectionEnded() { end_->signal(); }

    // Cancels the watch and closes the descriptor on the watching loop's thread: at once when the
    // caller is on it or the loop is gone, otherwise as a task that takes the endpoint along.
    static void dispose(std::unique_ptr<FdEndpoint> endpoint);

private:
    int fd_;
    std::shared_ptr<ConnectionEnd> end_;
    foundation::FdWatchRef watch_;
    std::weak_ptr<foundation::RunLoop> loop_;
};

// A stream over a descriptor it owns: it watches the descriptor for `readiness` once open and
// scheduled, and reports `event` once per readiness, the next only after its user acted again.
template <class Base, foundation::FdCondition readiness, StreamEvent event>
class FdStream : public Base {
public:
    ~FdStream() override { FdEndpoint::dispose(std::move(endpoint_)); }

protected:
    FdStream(int fd, std::shared_ptr<ConnectionEnd> end) : endpoint_(std::make_unique<FdEndpoint>(fd, std::move(end))) {}

    void start(foundation::RunLoop& loop) override
    {
        // The stream is held while its event is delivered: its last owner may let go of it meanwhile,
        // on another thread or in the event itself.
        endpoint_->watch(loop, readiness, [weak = this->weak_from_this()] {
            auto self = std::static_pointer_cast<FdStream>(weak.lock());
            if (!self)
                return;
            self->endpoint_->setWatching(false);
            self->deliver(event);
        });
    }
    void stop() override
    {
        if (endpoint_)
            endpoint_->unwatch();
    }
    void release() override { endpoint_.reset(); }

    // The result of a read or write that failed with `error`: 0 while it would only have waited,
    // else -1 with the stream failed and the connection over.
    long afterFailedCall(int error)
    {
        if (error == EAGAIN || error == EWOULDBLOCK || error == EINTR) {
            endpoint_->setWatching(true);
            return 0;
        }
        this->fail(std::strerror(error));
        endpoint_->connectionEnded();
        return -1;
    }

    std::unique_ptr<FdEndpoint> endpoint_;
};

// The reading side of a connected non-blocking socket. A read of 0 bytes from the socket is its
// end: the stream reports endEncountered once and reads nothing more.
class FdInputStream final
    : public FdStream<InputStream, foundation::FdCondition::readable, StreamEvent::hasBytesAvailable> {
public:
    // Takes the descriptor.
    static std::shared_ptr<FdInputStream> make(int fd, std::shared_ptr<ConnectionEnd> end);

    bool hasBytesAvailable() const override;
    long read(uint8_t* buffer, size_t maxLength) override;

private:
    using FdStream::FdStream;
};

// The writing side of a connected non-blocking socket. Its send buffer is kept small, and it has
// space only while the peer has read everything written before, so a frame never waits in the
// kernel behind older ones. hasSpaceAvailable is reported once after the opening and again whenever
// the socket becomes writable after a write that did not take everything or a check that found it
// full.
class FdOutputStream final
    : public FdStream<OutputStream, foundation::FdCondition::writable, StreamEvent::hasSpaceAvailable> {
public:
    // Takes the descriptor.
    static std::shared_ptr<FdOutputStream> make(int fd, std::shared_ptr<ConnectionEnd> end);

    bool hasSpaceAvailable() const override;
    long write(const uint8_t* buffer, size_t length) override;

private:
    using FdStream::FdStream;
};

} // namespace accessory
