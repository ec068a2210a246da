#include "foundation/SmallFile.h"

#include <cerrno>
#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace foundation {

std::optional<std::string> readSmallRegularFile(const std::string& path, size_t maxBytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    std::optional<std::string> contents;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && static_cast<uint64_t>(status.st_size) <= maxBytes) {
        // One byte more than allowed tells a file that grew since fstat.
        std::string text(maxBytes + 1, '\0');
        size_t length = 0;
        ssize_t n = 0;
        while (length < text.size() &&
               ((n = ::read(fd, text.data() + length, text.size() - length)) > 0 || (n < 0 && errno == EINTR)))
            length += n > 0 ? static_cast<size_t>(n) : 0;
        if (n >= 0 && length <= maxBytes) {
            text.resize(length);
            contents = std::move(text);
        }
    }
    ::close(fd);
    return contents;
}

} // namespace foundation
