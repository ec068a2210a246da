#pragma once

#include <optional>
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

    // The identifier of the user's formatting locale ("en_US"): LC_ALL, LC_TIME or LANG, without
    // encoding or modifier; "en_US_POSIX" for the C locale or none. A test may choose another.
    static std::string currentIdentifier();
    // Replaces the user's locale for the process; none goes back to the environment's.
    static void setCurrentIdentifier(std::optional<std::string> identifier);

private:
    std::string languageCode_;
    std::string scriptCode_;
    std::string regionCode_;
};

} // namespace foundation
