#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace foundation {

// The parts of a language identifier such as "zh-Hans-CN", "en_GB" or "ja".
class Locale {
public:
    explicit Locale(std::string_view identifier);

    // Empty when the identifier does not start with a language.
    const std::string& languageCode() const { return languageCode_; }
    const std::string& scriptCode() const { return scriptCode_; }
    const std::string& regionCode() const { return regionCode_; }

    // The user's languages, most preferred first, in the hyphenated form ("en-GB"): the LANGUAGE
    // list, then the first of LC_ALL, LC_MESSAGES and LANG. "C" and "POSIX" name no language.
    static std::vector<std::string> preferredLanguages();

private:
    std::string languageCode_;
    std::string scriptCode_;
    std::string regionCode_;
};

} // namespace foundation
