#include "foundation/FileAppend.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace foundation {

AppendResult appendToFile(const std::string& path, std::string_view text)
{
    return AppendingFile().append(path, text);
}

AppendingFile::~AppendingFile()
{
    close();
}

void AppendingFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

AppendResult AppendingFile::append(const std::string& path, std::string_view text)
{
    if (fd_ >= 0 && path != path_)
        close();
    // A file removed or renamed away while open would swallow every later line unseen.
    struct stat status {};
    if (fd_ >= 0 && (::stat(path.c_str(), &status) != 0 || status.st_dev != device_ || status.st_ino != inode_))
        close();
    if (fd_ < 0) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (fd_ < 0)
            return AppendResult::openFailed;
        // The logs hold the user's cars and every frame of the link: the user's alone, also when
        // an earlier version made the file readable by others.
        ::fchmod(fd_, S_IRUSR | S_IWUSR);
        path_ = path;
        if (::fstat(fd_, &status) == 0) {
            device_ = status.st_dev;
            inode_ = status.st_ino;
        }
    }
    while (!text.empty()) {
        const ssize_t written = ::write(fd_, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            close();
            return AppendResult::writeFailed;
        }
        text.remove_prefix(static_cast<size_t>(written));
    }
    return AppendResult::appended;
}

} // namespace foundation
