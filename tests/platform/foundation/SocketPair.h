#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

// A connected pair of non-blocking local sockets, closed at the end of the test.
class SocketPair {
public:
    SocketPair() { ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds_); }
    ~SocketPair()
    {
        for (int fd : fds_)
            if (fd >= 0)
                ::close(fd);
    }
    int near() const { return fds_[0]; }
    int far() const { return fds_[1]; }
    void send(const char* text) const { ASSERT_GT(::write(fds_[1], text, std::strlen(text)), 0); }
    void drainNear() const
    {
        char buffer[256];
        while (::read(fds_[0], buffer, sizeof(buffer)) > 0) {
        }
    }

private:
    int fds_[2] = {-1, -1};
};
