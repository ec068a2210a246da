#include "Class/Model/UserDefaultsValues.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/XMLReader.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/Locale.h"
#include "foundation/UserDefaults.h"
#include "foundation/XMLParser.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tolvane::app {
namespace {

constexpr const char* kFallbackLanguage = "en";

foundation::UserDefaults& defaults()
{
    return *foundation::UserDefaults::standard();
}

bool contains(const std::vector<std::string>& list, const std::string& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The languages of the list file, or none when the bundle has no readable list.
std::optional<std::vector<std::string>> languageList()
{
    const auto path = libraryBundle()->pathForResource("localize_config", "xml");
    if (!path)
        return std::nullopt;
    auto parser = foundation::XMLParser::contentsOf(*path);
    if (!parser) {
        LogManager::print("The language list cannot be opened; the language is not checked.", LogLevel::warning,
                          {.values = {{"path", *path}}, .function = "setLocalizedString(_:)"});
        return std::nullopt;
    }
    XMLReader reader;
    if (!parser->parse(reader)) {
        LogManager::print("The language list is not well-formed; the language is not checked.", LogLevel::warning,
                          {.values = {{"path", *path}, {"error", parser->errorDescription()}},
                           .function = "setLocalizedString(_:)"});
        return std::nullopt;
    }
    return reader.langlist;
}

std::optional<std::string> firstPreferredLanguage()
{
    const auto languages = foundation::Locale::preferredLanguages();
    if (languages.empty())
        return std::nullopt;
    return languages.front();
}

} // namespace

int64_t UserDefaultsValues::minimumLogLevel()
{
    const auto key = rawValue(UserDefaultsKey::minimumLogLevel);
    return defaults().hasObject(key) ? defaults().integer(key) : 1;
}

bool UserDefaultsValues::soundEnable()
{
    const auto key = rawValue(UserDefaultsKey::soundEnable);
    return defaults().hasObject(key) ? defaults().boolean(key) : true;
}

float UserDefaultsValues::soundVolume()
{
    const auto key = rawValue(UserDefaultsKey::soundVolume);
    return defaults().hasObject(key) ? defaults().floatValue(key) : 1.0f;
}

int64_t UserDefaultsValues::maximumNumberOfRetryOpenSession()
{
    const auto key = rawValue(UserDefaultsKey::maximumNumberOfRetryOpenSession);
    return defaults().hasObject(key) ? defaults().integer(key) : 60;
}

double UserDefaultsValues::intervalOfRetryOpenSession()
{
    const auto key = rawValue(UserDefaultsKey::intervalOfRetryOpenSession);
    return defaults().hasObject(key) ? defaults().doubleValue(key) : 1.0;
}

std::string UserDefaultsValues::localizedString()
{
    if (auto stored = defaults().string(rawValue(UserDefaultsKey::localizedString)))
        return *stored;
    if (auto preferred = firstPreferredLanguage()) {
        const std::string language = preferred->substr(0, preferred->find('-'));
        if (contains(foundation::Bundle::main()->localizations(), language))
            return setLocalizedString(language);
    }
    return setLocalizedString(kFallbackLanguage);
}

std::string UserDefaultsValues::setLocalizedString(const std::string& lang)
{
    const auto list = languageList();
    const std::string stored = !list || contains(*list, lang) ? lang : kFallbackLanguage;
    defaults().setString(rawValue(UserDefaultsKey::localizedString), stored);
    return stored;
}

void UserDefaultsValues::updateLocalizedString(const std::string& given)
{
    const std::string candidate = given.empty() ? firstPreferredLanguage().value_or("") : given;
    std::vector<std::string> available = libraryBundle()->localizations();
    const auto mainLocalizations = foundation::Bundle::main()->localizations();
    available.insert(available.end(), mainLocalizations.begin(), mainLocalizations.end());

    if (!candidate.empty() && contains(available, candidate)) {
        setLocalizedString(candidate);
        return;
    }
    const foundation::Locale locale(candidate);
    const std::string& language = locale.languageCode();
    if (language.empty()) {
        setLocalizedString(kFallbackLanguage);
        return;
    }
    const std::string withRegion = language + "-" + locale.regionCode();
    const std::string withScript = language + "-" + locale.scriptCode();
    if (!locale.regionCode().empty() && contains(available, withRegion))
        setLocalizedString(withRegion);
    else if (!locale.scriptCode().empty() && contains(available, withScript))
        setLocalizedString(withScript);
    else if (contains(available, language))
        setLocalizedString(language);
    else
        setLocalizedString(kFallbackLanguage);
}

void UserDefaultsValues::setShouldShowFirstTutorial(bool show)
{
    if (show) {
        defaults().registerDefaults({
            {std::string(rawValue(UserDefaultsKey::shouldShowFirstTutorial)), true},
            {std::string(rawValue(UserDefaultsKey::shouldShowFirstTutorialSkipButton)), true},
        });
    } else {
        defaults().setBool(rawValue(UserDefaultsKey::shouldShowFirstTutorial), false);
    }
}

} // namespace tolvane::app
