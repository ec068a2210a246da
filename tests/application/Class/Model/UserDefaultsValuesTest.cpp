#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "support/ScopedEnvironment.h"
#include "application/support/ScopedLogCapture.h"
#include "application/support/ScopedUserDefaults.h"

#include "foundation/Bundle.h"
#include "foundation/XMLParser.h"
#include "Class/Model/XMLReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tolvane::app::UserDefaultsKey;
using tolvane::app::UserDefaultsValues;

std::string key(UserDefaultsKey k)
{
    return std::string(tolvane::app::rawValue(k));
}

TEST(UserDefaultsValuesTest, EveryKeyHasItsNameAndTheSharedSettingsTheirDefaultsOnAnEmptyStore)
{
    testing_support::ScopedUserDefaults defaults;
    const auto& keys = foundation::allCases<UserDefaultsKey>();
    ASSERT_EQ(keys.size(), 15u);
    const std::vector<std::string> names = {
        "minimumLogLevel", "localizedString", "soundEnable", "soundVolume", "maximumNumberOfRetryOpenSession",
        "intervalOfRetryOpenSession", "shouldShowFirstTutorial", "shouldShowFirstTutorialSkipButton", "isAppKilled",
        "CarRecords", "checkedNotShowFirstTutorial", "notShowFirstOperate", "notShowPowerOffButtonHint",
        "notShowInterruptButtonHint", "notShowEndHalfwayButtonHint"};
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(key(keys[i]), "TolvaneControl_" + names[i]);
        EXPECT_FALSE(defaults->hasObject(key(keys[i]))) << names[i];
        EXPECT_FALSE(defaults->boolean(key(keys[i]))) << names[i];
    }
    EXPECT_EQ(UserDefaultsValues::minimumLogLevel(), 1);
    EXPECT_TRUE(UserDefaultsValues::soundEnable());
    EXPECT_EQ(UserDefaultsValues::soundVolume(), 1.0f);
    EXPECT_EQ(UserDefaultsValues::maximumNumberOfRetryOpenSession(), 60);
    EXPECT_EQ(UserDefaultsValues::intervalOfRetryOpenSession(), 1.0);
}

TEST(UserDefaultsValuesTest, StoredValuesWinOverTheDefaults)
{
    testing_support::ScopedUserDefaults defaults;
    defaults->setInteger(key(UserDefaultsKey::minimumLogLevel), 3);
    defaults->setBool(key(UserDefaultsKey::soundEnable), false);
    defaults->setFloat(key(UserDefaultsKey::soundVolume), 3.0f / 7.0f);
    defaults->setInteger(key(UserDefaultsKey::maximumNumberOfRetryOpenSession), 0);
    defaults->setDouble(key(UserDefaultsKey::intervalOfRetryOpenSession), 0.25);
    EXPECT_EQ(UserDefaultsValues::minimumLogLevel(), 3);
    EXPECT_FALSE(UserDefaultsValues::soundEnable());
    EXPECT_EQ(UserDefaultsValues::soundVolume(), 3.0f / 7.0f);
    EXPECT_EQ(UserDefaultsValues::maximumNumberOfRetryOpenSession(), 0);
    EXPECT_EQ(UserDefaultsValues::intervalOfRetryOpenSession(), 0.25);
}

TEST(UserDefaultsValuesTest, RegisteringTheFirstTutorialNeverOverridesAStoredFalse)
{
    testing_support::ScopedUserDefaults defaults;
    const std::string tutorial = key(UserDefaultsKey::shouldShowFirstTutorial);
    const std::string skip = key(UserDefaultsKey::shouldShowFirstTutorialSkipButton);
    UserDefaultsValues::setShouldShowFirstTutorial(true);
    EXPECT_TRUE(defaults->boolean(tutorial));
    EXPECT_TRUE(defaults->boolean(skip));

    UserDefaultsValues::setShouldShowFirstTutorial(false);
    UserDefaultsValues::setShouldShowFirstTutorial(true);
    EXPECT_FALSE(defaults->boolean(tutorial));
    EXPECT_TRUE(defaults->boolean(skip));
    EXPECT_FALSE(foundation::UserDefaults(defaults.path()).hasObject(skip));
}

// Bundles in a temporary folder: "<lang>.lproj" folders and, when given, the language list.
class LanguageTest : public ::testing::Test {
protected:
    ~LanguageTest() override
    {
        tolvane::app::setLibraryBundle(nullptr);
        foundation::Bundle::setMain(nullptr);
    }

    void makeBundles(const std::vector<std::string>& library, const std::vector<std::string>& main,
                     const std::optional<std::string>& list)
    {
        tolvane::app::setLibraryBundle(makeBundle("library", library, list));
        foundation::Bundle::setMain(makeBundle("main", main, std::nullopt));
    }

    void setDeviceLanguages(const std::optional<std::string>& languages)
    {
        environment.set("LANGUAGE", languages);
        environment.set("LC_ALL", std::nullopt);
        environment.set("LC_MESSAGES", std::nullopt);
        environment.set("LANG", "C");
    }

    static std::string listOf(const std::vector<std::string>& items)
    {
        std::string xml = "<?xml version=\"1.0\"?>\n<config>\n  <languages>\n";
        for (const std::string& item : items)
            xml += "    <item>" + item + "</item>\n";
        return xml + "  </languages>\n</config>\n";
    }

    std::string stored() { return defaults->string(key(UserDefaultsKey::localizedString)).value_or("<none>"); }

    testing_support::ScopedUserDefaults defaults;
    testing_support::ScopedEnvironment environment;

private:
    std::shared_ptr<foundation::Bundle> makeBundle(const std::string& name, const std::vector<std::string>& languages,
                                                   const std::optional<std::string>& list)
    {
        const QDir root(folder.path() + "/" + QString::fromStdString(name) + QString::number(++bundlesMade));
        root.mkpath(".");
        for (const std::string& language : languages)
            root.mkpath(QString::fromStdString(language + ".lproj"));
        if (list) {
            QFile file(root.filePath("localize_config.xml"));
            file.open(QIODevice::WriteOnly);
            file.write(list->data(), static_cast<qint64>(list->size()));
        }
        return std::make_shared<foundation::Bundle>(root.path().toStdString(), "9.9");
    }

    QTemporaryDir folder;
    int bundlesMade = 0;
};

TEST_F(LanguageTest, WorkingOutTheLanguageFollowsCandidateRegionScriptAndLanguageAgainstTheList)
{
    struct Case {
        std::string name;
        std::optional<std::string> device;
        std::string given;
        std::vector<std::string> library, main;
        std::optional<std::vector<std::string>> list;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"script form found after the region form", "zh-Hans-CN", "", {"en", "zh-Hans"}, {}, {{"en", "zh_CN"}}, "zh-Hans"},
        {"region form is tried first", "zh-Hans-CN", "", {"zh-CN", "zh-Hans"}, {}, {{"en", "zh_CN"}}, "en"},
        {"exact candidate in the list's spelling", "en-GB", "", {"en", "en-GB"}, {}, {{"en", "en_GB"}}, "en-GB"},
        {"region form from the main bundle", "en-GB-oxendict", "", {"en"}, {"en-GB"}, {{"en_GB"}}, "en-GB"},
        {"language alone", "ja-JP", "", {"en"}, {"ja"}, {{"ja", "en"}}, "ja"},
        {"localized but not listed", "fr-FR", "", {"en", "fr"}, {}, {{"en", "ja"}}, "en"},
        {"no list lets anything through", "fr", "", {"fr"}, {}, std::nullopt, "fr"},
        {"given text wins over the device", "en", "ja", {"en", "ja"}, {}, {{"ja", "en"}}, "ja"},
        {"not localized at all", "de-DE", "", {"en"}, {}, {{"en", "de"}}, "en"},
        {"no language code", "en", "x", {"en"}, {}, {{"en"}}, "en"},
        {"device without a language", std::nullopt, "", {"en", "ja"}, {}, {{"ja"}}, "en"},
    };
    for (const Case& c : cases) {
        makeBundles(c.library, c.main, c.list ? std::optional(listOf(*c.list)) : std::nullopt);
        setDeviceLanguages(c.device);
        UserDefaultsValues::updateLocalizedString(c.given);
        EXPECT_EQ(stored(), c.expected) << c.name;
        EXPECT_EQ(UserDefaultsValues::localizedString(), c.expected) << c.name;
    }
}

TEST_F(LanguageTest, CurrentLanguageIsTheStoredOneOrTheDevicesWhenTheMainBundleHasIt)
{
    struct Case {
        std::string name;
        std::optional<std::string> storedBefore;
        std::string device;
        std::vector<std::string> main;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"stored value as is", "fr", "ja-JP", {"ja"}, "fr"},
        {"device language cut at the first hyphen", std::nullopt, "ja-JP", {"ja"}, "ja"},
        {"main bundle lacks it", std::nullopt, "ja-JP", {"en"}, "en"},
        {"cut form not in the list", std::nullopt, "zh-Hans-CN", {"zh"}, "en"},
    };
    for (const Case& c : cases) {
        makeBundles({}, c.main, listOf({"en", "ja", "zh_CN"}));
        setDeviceLanguages(c.device);
        if (c.storedBefore)
            defaults->setString(key(UserDefaultsKey::localizedString), *c.storedBefore);
        else
            defaults->removeObject(key(UserDefaultsKey::localizedString));
        EXPECT_EQ(UserDefaultsValues::localizedString(), c.expected) << c.name;
        EXPECT_EQ(stored(), c.expected) << c.name;
    }
}

TEST_F(LanguageTest, AMalformedListIsLoggedAndTreatedAsNoList)
{
    testing_support::ScopedLogCapture log;
    makeBundles({"fr"}, {}, "<config><item>en</item>");
    EXPECT_EQ(UserDefaultsValues::setLocalizedString("fr"), "fr");
    EXPECT_EQ(stored(), "fr");
    EXPECT_TRUE(log.contains("The language list is not well-formed"));
}

TEST(CompiledInLanguageListTest, TheLibraryShipsItsLanguageList)
{
    const auto path = tolvane::app::libraryBundle()->pathForResource("localize_config", "xml");
    ASSERT_TRUE(path);
    auto parser = foundation::XMLParser::contentsOf(*path);
    ASSERT_TRUE(parser);
    tolvane::app::XMLReader reader;
    ASSERT_TRUE(parser->parse(reader));
    EXPECT_EQ(reader.langlist, (std::vector<std::string>{"en", "en-GB", "ja", "zh-Hans"}));
    EXPECT_FALSE(reader.r);
}

} // namespace
