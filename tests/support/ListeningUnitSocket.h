#pragma once

#include "foundation/RunLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace testing_support {

// A vehicle unit listening on "<serial>.sock" in an accessory folder, played by the test: it
// accepts the phone's connection, reads what it sent, answers and hangs up without blocking. Given a
// loop, it reads there whatever arrives, as a working unit does, and keeps it for receive().
class ListeningUnitSocket {
public:
    ListeningUnitSocket(const std::string& directory, const std::string& serial)
        : path_(directory + "/" + serial + ".sock")
    {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::copy(path_.begin(), path_.end(), address.sun_path);
        EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        EXPECT_EQ(::listen(fd_, 8), 0);
    }
    ~ListeningUnitSocket()
    {
        stopReading();
        hangUp();
        if (fd_ >= 0)
            ::close(fd_);
        ::unlink(path_.c_str());
    }
    ListeningUnitSocket(const ListeningUnitSocket&) = delete;
    ListeningUnitSocket& operator=(const ListeningUnitSocket&) = delete;

    // Takes the newest waiting connection, if any; true when there is one now.
    bool accept()
    {
        for (int fd; (fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
            hangUp();
            connection_ = fd;
            ++accepted_;
            watchConnection();
        }
        return connection_ >= 0;
    }
    int accepted() const { return accepted_; }

    // From now on takes every connection and reads what arrives on `loop`.
    void readOn(foundation::RunLoop& loop)
    {
        readLoop_ = &loop;
        listenWatch_ = loop.watchFd(fd_, foundation::FdCondition::readable, [this] { accept(); });
        watchConnection();
    }
    // As a unit that stalls: what arrives stays unread until receive().
    void stopReading()
    {
        for (auto* watch : {&listenWatch_, &watch_})
            if (*watch)
                (*watch)->cancel();
        readLoop_ = nullptr;
    }
    bool connected() const { return connection_ >= 0; }

    std::vector<uint8_t> receive()
    {
        readAvailable();
        return std::exchange(received_, {});
    }
    void send(const std::vector<uint8_t>& bytes)
    {
        ASSERT_GE(connection_, 0);
        ASSERT_EQ(::write(connection_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    void hangUp()
    {
        if (watch_)
            watch_->cancel();
        watch_.reset();
        if (connection_ >= 0)
            ::close(connection_);
        connection_ = -1;
    }

private:
    // False once the phone hung up.
    bool readAvailable()
    {
        uint8_t buffer[4096];
        ssize_t n = -1;
        while (connection_ >= 0 && (n = ::read(connection_, buffer, sizeof(buffer))) > 0)
            received_.insert(received_.end(), buffer, buffer + n);
        return n != 0;
    }
    void watchConnection()
    {
        if (!readLoop_ || connection_ < 0)
            return;
        watch_ = readLoop_->watchFd(connection_, foundation::FdCondition::readable, [this] {
            if (!readAvailable() && watch_)
                watch_->cancel();
        });
    }

    std::string path_;
    int fd_ = -1;
    int connection_ = -1;
    int accepted_ = 0;
    foundation::RunLoop* readLoop_ = nullptr;
    foundation::FdWatchRef listenWatch_;
    foundation::FdWatchRef watch_;
    std::vector<uint8_t> received_;
};

} // namespace testing_support
