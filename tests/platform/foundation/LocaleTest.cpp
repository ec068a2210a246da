#include "foundation/Locale.h"
#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(LocaleTest, SplitsLanguageScriptAndRegion)
{
    struct Case {
        std::string identifier, language, script, region;
    };
    const std::vector<Case> cases = {
        {"zh-Hans-CN", "zh", "Hans", "CN"}, {"en-GB", "en", "", "GB"}, {"en_GB.UTF-8@euro", "en", "", "GB"},
        {"ja", "ja", "", ""},               {"es-419", "es", "", "419"}, {"zh_hant_tw", "zh", "Hant", "TW"},
        {"C", "", "", ""},                  {"", "", "", ""},            {"1x-GB", "", "", ""},
    };
    for (const Case& c : cases) {
        const foundation::Locale locale(c.identifier);
        EXPECT_EQ(locale.languageCode(), c.language) << c.identifier;
        EXPECT_EQ(locale.scriptCode(), c.script) << c.identifier;
        EXPECT_EQ(locale.regionCode(), c.region) << c.identifier;
    }
}

TEST(LocaleTest, PreferredLanguagesComeFromTheEnvironmentInOrder)
{
    struct Case {
        std::optional<std::string> language, all, messages, lang;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"en_GB:en:fr", std::nullopt, std::nullopt, "de_DE.UTF-8", {"en-GB", "en", "fr", "de-DE"}},
        {std::nullopt, "ja_JP.UTF-8", "fr_FR", "de_DE", {"ja-JP"}},
        {"", std::nullopt, "fr_FR", "de_DE", {"fr-FR"}},
        {"zh-Hans-CN", std::nullopt, std::nullopt, "zh_CN", {"zh-Hans-CN", "zh-CN"}},
        {std::nullopt, std::nullopt, std::nullopt, "C.UTF-8", {}},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        testing_support::ScopedEnvironment environment;
        environment.set("LANGUAGE", c.language);
        environment.set("LC_ALL", c.all);
        environment.set("LC_MESSAGES", c.messages);
        environment.set("LANG", c.lang);
        EXPECT_EQ(foundation::Locale::preferredLanguages(), c.expected) << c.lang.value_or("-");
    }
}

} // namespace
