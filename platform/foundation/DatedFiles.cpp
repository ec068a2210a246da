#include "foundation/DatedFiles.h"

#include "foundation/RotatingLogFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

namespace foundation {
namespace {

std::optional<std::chrono::year_month_day> dateOf(std::string_view digits)
{
    // A log's kept previous file goes with its day.
    if (digits.ends_with(PREVIOUS_LOG_MARKER))
        digits.remove_suffix(PREVIOUS_LOG_MARKER.size());
    if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    auto number = [&](size_t at) { return (digits[at] - '0') * 10 + (digits[at + 1] - '0'); };
    const std::chrono::year_month_day date{std::chrono::year{2000 + number(0)},
                                           std::chrono::month{static_cast<unsigned>(number(2))},
                                           std::chrono::day{static_cast<unsigned>(number(4))}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

} // namespace

void removeDatedFilesBefore(const std::string& directory, const std::vector<std::string>& prefixes,
                            std::string_view suffix, std::chrono::year_month_day firstKept)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (!entry.is_regular_file(error) || entry.is_symlink(error))
            continue;
        const std::string name = entry.path().filename().string();
        if (name.size() <= suffix.size() || !name.ends_with(suffix))
            continue;
        for (const std::string& prefix : prefixes) {
            if (!name.starts_with(prefix))
                continue;
            const auto date = dateOf(std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
            if (!date)
                continue;
            if (std::chrono::sys_days(*date) < std::chrono::sys_days(firstKept))
                fs::remove(entry.path(), error);
            break;
        }
    }
}

} // namespace foundation
