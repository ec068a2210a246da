#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace testing_support {

// A vehicle unit listening on "<serial>.sock" in an accessory folder, played by the test: it
// accepts the phone's connection, reads what it sent, answers and hangs up without blocking.
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
        }
        return connection_ >= 0;
    }
    int accepted() const { return accepted_; }
    bool connected() const { return connection_ >= 0; }

    std::vector<uint8_t> receive()
    {
        std::vector<uint8_t> received;
        uint8_t buffer[4096];
        for (ssize_t n; connection_ >= 0 && (n = ::read(connection_, buffer, sizeof(buffer))) > 0;)
            received.insert(received.end(), buffer, buffer + n);
        return received;
    }
    void send(const std::vector<uint8_t>& bytes)
    {
        ASSERT_GE(connection_, 0);
        ASSERT_EQ(::write(connection_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    void hangUp()
    {
        if (connection_ >= 0)
            ::close(connection_);
        connection_ = -1;
    }

private:
    std::string path_;
    int fd_ = -1;
    int connection_ = -1;
    int accepted_ = 0;
};

} // namespace testing_support
