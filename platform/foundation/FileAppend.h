#pragma once

#include <string>
#include <string_view>

namespace foundation {

enum class AppendResult { appended, openFailed, writeFailed };

// Appends every byte of `text` to the file (made when missing), writing again after a short
// write until all are out or the system reports an error. The file is closed before returning.
AppendResult appendToFile(const std::string& path, std::string_view text);

} // namespace foundation
