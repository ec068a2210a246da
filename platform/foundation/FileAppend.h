#pragma once

#include <string>
#include <string_view>

namespace foundation {

enum class AppendResult { appended, openFailed, writeFailed };

// Appends every byte of `text` to the file (made when missing), writing again after a short
// write until all are out or the system reports an error. The file is closed before returning.
AppendResult appendToFile(const std::string& path, std::string_view text);

// Appends lines to one file kept open between them, so a steady stream of lines costs a write
// each rather than an open and close. Each line goes straight to the system (nothing is held
// back in a buffer a crash could lose). The file is opened again when it was removed or renamed
// under us, after a failed write, or when the path changes.
class AppendingFile {
public:
    AppendingFile() = default;
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;
    ~AppendingFile();

    AppendResult append(const std::string& path, std::string_view text);

private:
    void close();

    std::string path_;
    int fd_ = -1;
    // Which file fd_ is, to notice another one (or none) under the path.
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
};

} // namespace foundation
