#pragma once

#include <QString>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace foundation {

// Texts of the strings tables under a resource folder: "<language>.lproj/<table>.strings", each line
// `"key" = "value";` (comments and escapes as usual). A key missing from every preferred language
// gives the development text the caller passes.
class LocalizedStrings {
public:
    explicit LocalizedStrings(QString root);

    // The application's tables, compiled in under ":/TolvaneIntegrationApp".
    static LocalizedStrings& shared();

    std::string text(const std::string& table, const std::string& key, const std::vector<std::string>& preferredLanguages,
                     const std::string& developmentValue);
    // One table's entries; none when the file is missing or cannot be read.
    static std::optional<std::map<std::string, std::string>> parse(const std::string& contents);
    // Each "%@" takes the next argument, "%%" is a percent sign.
    static std::string format(const std::string& text, const std::vector<std::string>& arguments);

private:
    const std::map<std::string, std::string>* table(const std::string& language, const std::string& name);

    QString root_;
    std::mutex mutex_;
    std::map<std::string, std::optional<std::map<std::string, std::string>>> loaded_;
};

} // namespace foundation
