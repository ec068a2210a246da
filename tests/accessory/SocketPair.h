#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace accessory_testing {

// Two connected non-blocking Unix stream sockets: the near end for the streams under test, the far
// end played by the test as the vehicle unit.
class SocketPair {
public:
    SocketPair()
    {
        int fds[2];
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
        near_ = fds[0];
        far_ = fds[1];
    }
    ~SocketPair()
    {
        closeNear();
        closeFar();
    }

    // Hands the near end over; its new owner closes it.
    int takeNear() { return std::exchange(near_, -1); }
    int dupNear() const { return ::fcntl(near_, F_DUPFD_CLOEXEC, 0); }

    void sendFromFar(const std::vector<uint8_t>& bytes) const
    {
        ASSERT_EQ(::write(far_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<uint8_t> receiveAtFar() const
    {
        std::vector<uint8_t> received;
        uint8_t buffer[4096];
        for (ssize_t n; (n = ::read(far_, buffer, sizeof(buffer))) > 0;)
            received.insert(received.end(), buffer, buffer + n);
        return received;
    }
    void closeNear() { closeFd(near_); }
    void closeFar() { closeFd(far_); }

private:
    static void closeFd(int& fd)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    int near_ = -1;
    int far_ = -1;
};

} // namespace accessory_testing
