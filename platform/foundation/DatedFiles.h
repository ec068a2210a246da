#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

// Removes the regular files of `directory` named <prefix><yyMMdd><suffix> (or a log's previous file,
// <prefix><yyMMdd>-previous<suffix>), for any of the prefixes, whose date is before `firstKept`.
// Other files are left alone.
void removeDatedFilesBefore(const std::string& directory, const std::vector<std::string>& prefixes,
                            std::string_view suffix, std::chrono::year_month_day firstKept);

} // namespace foundation
