#include "foundation/LocalizedStrings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using foundation::LocalizedStrings;

void writeTable(const QString& root, const QString& language, const QString& table, const QByteArray& contents)
{
    QDir(root).mkpath(language + ".lproj");
    QFile file(root + "/" + language + ".lproj/" + table + ".strings");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

TEST(LocalizedStringsTest, ParsesEntriesCommentsAndEscapes)
{
    const auto entries = LocalizedStrings::parse("/* block */\n// line\n\"a\" = \"one \\\"quoted\\\"\\nline\";\n  \"b\"=\"\";");
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->at("a"), "one \"quoted\"\nline");
    EXPECT_EQ(entries->at("b"), "");
    EXPECT_FALSE(LocalizedStrings::parse("\"a\" = \"unterminated;").has_value());
    EXPECT_FALSE(LocalizedStrings::parse("\"a\" \"b\";").has_value());
}

TEST(LocalizedStringsTest, SelectedLanguageFirstThenTheDevelopmentText)
{
    QTemporaryDir root;
    writeTable(root.path(), "ja", "Localizable", "\"Greeting\" = \"こんにちは\";");
    writeTable(root.path(), "ja", "Localizable_ja", "\"Greeting\" = \"チュートリアル\";");
    writeTable(root.path(), "en", "Localizable", "\"Greeting\" = \"Hello\";");
    LocalizedStrings strings(root.path());

    EXPECT_EQ(strings.text("Localizable", "Greeting", {"ja"}, "dev"), "こんにちは");
    EXPECT_EQ(strings.text("Localizable_ja", "Greeting", {"ja"}, "dev"), "チュートリアル");
    EXPECT_EQ(strings.text("Localizable", "Greeting", {"en"}, "dev"), "Hello");
    EXPECT_EQ(strings.text("Localizable", "Greeting", {"fr"}, "dev"), "dev");
    EXPECT_EQ(strings.text("Localizable", "Missing", {"ja"}, "dev"), "dev");
}

TEST(LocalizedStringsTest, ArgumentsFillThePlaceholdersInOrder)
{
    EXPECT_EQ(LocalizedStrings::format("%@ of %@ (100%%)", {"3", "7"}), "3 of 7 (100%)");
    EXPECT_EQ(LocalizedStrings::format("%@ and %@", {"one"}), "one and ") << "a missing argument is left empty";
}

} // namespace
