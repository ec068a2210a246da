#include "foundation/StandardLocations.h"
#include "foundation/UserDefaults.h"
#include "support/CapturingSystemLog.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using foundation::UserDefaults;

class UserDefaultsTest : public ::testing::Test {
protected:
    std::string path() const { return folder.path().toStdString() + "/settings.ini"; }
    QTemporaryDir folder;
};

TEST_F(UserDefaultsTest, TypedValuesReadBackExactlyFromTheFile)
{
    const std::vector<std::string> texts = {"", "plain", "a,b,c", "\"quoted\" \\ back", "line\nbreak", " lead and trail ",
                                            "@Variant(x)", "{\"CarRecords\":[{\"CarID\":\"a\\/b\"}]}", "日本語 中文"};
    const std::vector<float> floats = {0.1f, 1.0f / 3.0f, 1.0f / 7.0f, FLT_MIN, FLT_MAX, -0.0f, 16777217.0f};
    const std::vector<double> doubles = {0.1, 1.0 / 3.0, DBL_MIN, DBL_MAX, -2.5e-300};
    const std::vector<int64_t> integers = {0, -1, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()};
    {
        UserDefaults writer(path());
        for (size_t i = 0; i < texts.size(); ++i)
            ASSERT_TRUE(writer.setString("text" + std::to_string(i), texts[i]));
        for (size_t i = 0; i < floats.size(); ++i)
            ASSERT_TRUE(writer.setFloat("float" + std::to_string(i), floats[i]));
        for (size_t i = 0; i < doubles.size(); ++i)
            ASSERT_TRUE(writer.setDouble("double" + std::to_string(i), doubles[i]));
        for (size_t i = 0; i < integers.size(); ++i)
            ASSERT_TRUE(writer.setInteger("integer" + std::to_string(i), integers[i]));
        ASSERT_TRUE(writer.setBool("yes", true));
        ASSERT_TRUE(writer.setBool("no", false));
    }
    const UserDefaults reader(path());
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(reader.string("text" + std::to_string(i)), texts[i]) << i;
    for (size_t i = 0; i < floats.size(); ++i) {
        const float read = reader.floatValue("float" + std::to_string(i));
        EXPECT_EQ(std::signbit(read), std::signbit(floats[i])) << i;
        EXPECT_EQ(read, floats[i]) << i;
    }
    for (size_t i = 0; i < doubles.size(); ++i)
        EXPECT_EQ(reader.doubleValue("double" + std::to_string(i)), doubles[i]) << i;
    for (size_t i = 0; i < integers.size(); ++i)
        EXPECT_EQ(reader.integer("integer" + std::to_string(i)), integers[i]) << i;
    EXPECT_TRUE(reader.boolean("yes"));
    EXPECT_FALSE(reader.boolean("no"));
}

TEST_F(UserDefaultsTest, TypedReadsConvertWhatIsStored)
{
    struct Case {
        std::string stored;
        int64_t integer;
        bool boolean;
        double number;
    };
    const std::vector<Case> cases = {
        {"true", 1, true, 1.0},    {"false", 0, false, 0.0},  {"YES", 1, true, 1.0},    {"42", 42, true, 42.0},
        {"0", 0, false, 0.0},      {"2.75", 2, true, 2.75},   {"-3.5", -3, true, -3.5}, {"text", 0, false, 0.0},
        {"", 0, false, 0.0},       {"1e999", 0, false, 0.0},
    };
    UserDefaults defaults(path());
    for (const Case& c : cases) {
        ASSERT_TRUE(defaults.setString("key", c.stored));
        EXPECT_EQ(defaults.integer("key"), c.integer) << c.stored;
        EXPECT_EQ(defaults.boolean("key"), c.boolean) << c.stored;
        EXPECT_EQ(defaults.doubleValue("key"), c.number) << c.stored;
        EXPECT_EQ(defaults.floatValue("key"), static_cast<float>(c.number)) << c.stored;
    }
}

TEST_F(UserDefaultsTest, AbsentKeysReadAsNothingAndRemovedKeysAreAbsent)
{
    UserDefaults defaults(path());
    EXPECT_FALSE(defaults.hasObject("missing"));
    EXPECT_EQ(defaults.integer("missing"), 0);
    EXPECT_FALSE(defaults.boolean("missing"));
    EXPECT_EQ(defaults.floatValue("missing"), 0.0f);
    EXPECT_EQ(defaults.doubleValue("missing"), 0.0);
    EXPECT_EQ(defaults.string("missing"), std::nullopt);

    ASSERT_TRUE(defaults.setInteger("gone", 3));
    ASSERT_TRUE(defaults.removeObject("gone"));
    EXPECT_FALSE(UserDefaults(path()).hasObject("gone"));
}

TEST_F(UserDefaultsTest, RegisteredDefaultsCountOnlyWhileNothingIsStoredAndAreNeverWritten)
{
    UserDefaults defaults(path());
    ASSERT_TRUE(defaults.setBool("stored", false));
    defaults.registerDefaults({{"stored", true}, {"registered", true}, {"volume", 0.5f}});
    EXPECT_FALSE(defaults.boolean("stored"));
    EXPECT_TRUE(defaults.hasObject("registered"));
    EXPECT_TRUE(defaults.boolean("registered"));
    EXPECT_EQ(defaults.floatValue("volume"), 0.5f);

    ASSERT_TRUE(defaults.setBool("registered", false));
    EXPECT_FALSE(defaults.boolean("registered"));
    const UserDefaults reopened(path());
    EXPECT_FALSE(reopened.hasObject("volume"));
}

TEST_F(UserDefaultsTest, UnreadableFileIsKeptAsideWithALogLineAndReadableValuesCarriedOver)
{
    {
        QFile file(QString::fromStdString(path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General\nTolvaneControl_soundVolume=0.25\n\x01\x02 garbage\n");
    }
    testing_support::ScopedSystemLogCapture log;
    UserDefaults defaults(path());
    EXPECT_EQ(defaults.floatValue("TolvaneControl_soundVolume"), 0.25f);
    ASSERT_TRUE(defaults.setBool("after", true));
    EXPECT_TRUE(UserDefaults(path()).boolean("after"));

    QFile kept(QString::fromStdString(path() + ".unreadable"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("garbage"));
    ASSERT_EQ(log->records.size(), 1u);
    EXPECT_EQ(log->records[0].type, foundation::SystemLogType::error);
    EXPECT_NE(log->records[0].line.find("could not be read"), std::string::npos);
}

TEST_F(UserDefaultsTest, CorruptionInsideASectionIsFoundAtOpenAndEveryCopyKeptAside)
{
    const std::vector<QByteArray> corruptions = {
        QByteArray(600, '\0'),
        QByteArray("\xc3\x28\xa0\xa1\xff\xfe random bytes \x80\x81", 22),
        QByteArray("[General]\nTolvaneControl_soundVolume=0.25\n\0\0\0\0", 44),
        QByteArray("[General]\nTolvaneControl_soundVolume=0.25\nno value here\n"),
        // Read back by QSettings as other keys than a later write puts there.
        QByteArray("[Geen=ral]\nTlCa9;a=;{\\\"Ca}}\"\n"),
    };
    for (size_t i = 0; i < corruptions.size(); ++i) {
        SCOPED_TRACE(i);
        {
            QFile file(QString::fromStdString(path()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(corruptions[i]);
        }
        testing_support::ScopedSystemLogCapture log;
        UserDefaults defaults(path());
        ASSERT_EQ(log->records.size(), 1u);
        EXPECT_NE(log->records[0].line.find("could not be read"), std::string::npos);
        const std::string kept = path() + ".unreadable" + (i == 0 ? "" : "." + std::to_string(i));
        QFile keptFile(QString::fromStdString(kept));
        ASSERT_TRUE(keptFile.open(QIODevice::ReadOnly)) << kept;
        EXPECT_EQ(keptFile.readAll(), corruptions[i]) << "an earlier copy was overwritten";
    }
}

TEST_F(UserDefaultsTest, ALockLeftByADeadProcessIsRemovedAtOpen)
{
    const QString lockPath = QString::fromStdString(path() + ".lock");
    for (const QByteArray& content : {QByteArray(), QByteArray("999999999\nTolvaneControl\nhost\n")}) {
        {
            QFile lock(lockPath);
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
            lock.write(content);
        }
        UserDefaults defaults(path());
        EXPECT_FALSE(QFile::exists(lockPath)) << content.toStdString();
        EXPECT_TRUE(defaults.setBool("written", true));
    }
}

TEST_F(UserDefaultsTest, EachWriteReportsItsOwnResultAfterAFailedOne)
{
    testing_support::ScopedSystemLogCapture log;
    UserDefaults defaults(path());
    ASSERT_TRUE(defaults.setInteger("first", 1));
    // A folder where the file belongs makes the save fail, as a full or read-only disk would.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path())));
    ASSERT_TRUE(folder.filePath("settings.ini") == QString::fromStdString(path()));
    ASSERT_TRUE(QDir(folder.path()).mkdir("settings.ini"));
    EXPECT_FALSE(defaults.setInteger("second", 2));
    ASSERT_TRUE(QDir(folder.path()).rmdir("settings.ini"));
    EXPECT_TRUE(defaults.setInteger("third", 3));
    EXPECT_EQ(UserDefaults(path()).integer("third"), 3);
}

TEST_F(UserDefaultsTest, DataFolderOverrideHoldsTheDocumentsAndTheSettings)
{
    testing_support::ScopedEnvironment environment;
    const std::string data = folder.path().toStdString() + "/made/on/demand";
    environment.set("TOLVANE_DATA_DIR", data);
    EXPECT_EQ(foundation::documentsDirectory(), data);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(data)));
    EXPECT_EQ(foundation::userDefaultsFilePath(), data + "/TolvaneControl.ini");
}

} // namespace
