#pragma once

#include "accessory/ConnectionEnd.h"
#include "accessory/InputStream.h"
#include "accessory/OutputStream.h"
#include "foundation/FdWatch.h"

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

// The reading side of a connected non-blocking socket. A read of 0 bytes from the socket is its
// end: the stream reports endEncountered once and reads nothing more.
class FdInputStream final : public InputStream {
public:
    // Takes the descriptor.
    static std::shared_ptr<FdInputStream> make(int fd, std::shared_ptr<ConnectionEnd> end);
    ~FdInputStream() override;

    bool hasBytesAvailable() const override;
    long read(uint8_t* buffer, size_t maxLength) override;

private:
    FdInputStream(int fd, std::shared_ptr<ConnectionEnd> end);
    void start(foundation::RunLoop& loop) override;
    void stop() override;
    void release() override;

    std::unique_ptr<FdEndpoint> endpoint_;
};

// The writing side of a connected non-blocking socket. hasSpaceAvailable is reported once after the
// opening and again whenever space returns after a write that did not take everything or a check
// that found none.
class FdOutputStream final : public OutputStream {
public:
    // Takes the descriptor.
    static std::shared_ptr<FdOutputStream> make(int fd, std::shared_ptr<ConnectionEnd> end);
    ~FdOutputStream() override;

    bool hasSpaceAvailable() const override;
    long write(const uint8_t* buffer, size_t length) override;

private:
    FdOutputStream(int fd, std::shared_ptr<ConnectionEnd> end);
    void start(foundation::RunLoop& loop) override;
    void stop() override;
    void release() override;

    std::unique_ptr<FdEndpoint> endpoint_;
};

} // namespace accessory
