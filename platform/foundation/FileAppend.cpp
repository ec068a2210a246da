#include "foundation/FileAppend.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace foundation {

AppendResult appendToFile(const std::string& path, std::string_view text)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return AppendResult::openFailed;
    AppendResult result = AppendResult::appended;
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            result = AppendResult::writeFailed;
            break;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    ::close(fd);
    return result;
}

} // namespace foundation
