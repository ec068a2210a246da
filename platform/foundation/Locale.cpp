#include "foundation/Locale.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <mutex>

namespace foundation {
namespace {

bool allOf(std::string_view text, int (*predicate)(int))
{
    return std::all_of(text.begin(), text.end(), [predicate](char c) { return predicate(static_cast<unsigned char>(c)) != 0; });
}

std::vector<std::string_view> split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find_first_of(separators, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// "en_GB.UTF-8@euro" to "en-GB"; empty for the C locale and for nothing.
std::string hyphenated(std::string_view posix)
{
    posix = posix.substr(0, posix.find_first_of(".@"));
    if (posix.empty() || posix == "C" || posix == "POSIX")
        return {};
    std::string text(posix);
    std::replace(text.begin(), text.end(), '_', '-');
    return text;
}

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

std::mutex currentMutex;
std::optional<std::string> chosenCurrent;

} // namespace

Locale::Locale(std::string_view identifier)
{
    identifier = identifier.substr(0, identifier.find_first_of(".@"));
    const auto parts = split(identifier, "-_");
    size_t next = 0;
    const auto& first = parts[next];
    if ((first.size() != 2 && first.size() != 3) || !allOf(first, std::isalpha))
        return;
    std::transform(first.begin(), first.end(), std::back_inserter(languageCode_),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    ++next;
    if (next < parts.size() && parts[next].size() == 4 && allOf(parts[next], std::isalpha)) {
        for (size_t i = 0; i < 4; ++i) {
            const auto c = static_cast<unsigned char>(parts[next][i]);
            scriptCode_ += static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
        }
        ++next;
    }
    if (next < parts.size()) {
        const auto& region = parts[next];
        if ((region.size() == 2 && allOf(region, std::isalpha)) || (region.size() == 3 && allOf(region, std::isdigit)))
            std::transform(region.begin(), region.end(), std::back_inserter(regionCode_),
                           [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    }
}

std::vector<std::string> Locale::preferredLanguages()
{
    std::vector<std::string> languages;
    auto add = [&](std::string_view posix) {
        std::string language = hyphenated(posix);
        if (!language.empty() && std::find(languages.begin(), languages.end(), language) == languages.end())
            languages.push_back(std::move(language));
    };
    for (std::string_view entry : split(environment("LANGUAGE"), ":"))
        add(entry);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!environment(name).empty()) {
            add(environment(name));
            break;
        }
    }
    return languages;
}

std::string Locale::currentIdentifier()
{
    {
        std::lock_guard lock(currentMutex);
        if (chosenCurrent)
            return *chosenCurrent;
    }
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        std::string_view posix = environment(name);
        if (posix.empty())
            continue;
        posix = posix.substr(0, posix.find_first_of(".@"));
        if (posix.empty() || posix == "C" || posix == "POSIX")
            break;
        return std::string(posix);
    }
    return "en_US_POSIX";
}

void Locale::setCurrentIdentifier(std::optional<std::string> identifier)
{
    std::lock_guard lock(currentMutex);
    chosenCurrent = std::move(identifier);
}

} // namespace foundation
