#include "foundation/RotatingLogFile.h"

#include <cstdio>
#include <filesystem>

namespace foundation {

std::string RotatingLogFile::previousPath(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    const size_t at = dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    return path.substr(0, at) + std::string(PREVIOUS_LOG_MARKER) + path.substr(at);
}

void RotatingLogFile::follow(const std::string& path)
{
    if (path == path_)
        return;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    path_ = path;
    bytes_ = error ? 0 : static_cast<uint64_t>(size);
}

AppendResult RotatingLogFile::writeAndCount(const std::string& path, std::string_view text)
{
    if (text.empty())
        return AppendResult::appended;
    const AppendResult result = file_.append(path, text);
    if (result == AppendResult::appended)
        bytes_ += text.size();
    return result;
}

void RotatingLogFile::rotate(const std::string& path)
{
    const std::string previous = previousPath(path);
    std::rename(path.c_str(), previous.c_str());
    bytes_ = 0;
    const size_t slash = previous.rfind('/');
    const std::string note = "The lines before this one are in " + previous.substr(slash + 1) +
                             "; older ones were dropped to keep this log within " + std::to_string(budgetBytes_) +
                             " bytes.\n";
    writeAndCount(path, note);
}

AppendResult RotatingLogFile::append(const std::string& path, std::string_view lines)
{
    follow(path);
    // The run of whole lines that still fits goes out in one write.
    size_t fitting = 0;
    // A fresh file takes its first line whatever its size, so every rotation moves on by a line.
    bool fresh = bytes_ == 0;
    AppendResult result = AppendResult::appended;
    while (fitting < lines.size()) {
        size_t end = lines.find('\n', fitting);
        end = end == std::string_view::npos ? lines.size() : end + 1;
        const uint64_t lineBytes = end - fitting;
        if (bytes_ + fitting + lineBytes <= budgetBytes_ || (fresh && fitting == 0)) {
            fitting = end;
            continue;
        }
        if (const AppendResult written = writeAndCount(path, lines.substr(0, fitting)); written != AppendResult::appended)
            result = written;
        lines.remove_prefix(fitting);
        fitting = 0;
        rotate(path);
        fresh = true;
    }
    if (const AppendResult written = writeAndCount(path, lines); written != AppendResult::appended)
        result = written;
    return result;
}

} // namespace foundation
