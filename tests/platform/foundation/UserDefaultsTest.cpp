#include "foundation/StandardLocations.h"
#include "foundation/UserDefaults.h"
#include "foundation/TimeZone.h"
#include "foundation/VirtualTime.h"
#include "support/CapturingSystemLog.h"
#include "support/ScopedEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

namespace {

using foundation::UserDefaults;

class UserDefaultsTest : public ::testing::Test {
protected:
    UserDefaultsTest()
    {
        foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("UTC"));
        time.setWallStart(std::chrono::sys_days{std::chrono::year{2026} / 3 / 1} + std::chrono::hours{10} +
                          std::chrono::minutes{20} + std::chrono::seconds{30});
    }
    ~UserDefaultsTest() override { foundation::TimeZone::setDefault(std::nullopt); }

    std::string path() const { return folder.path().toStdString() + "/settings.ini"; }
    UserDefaults::Recovery recovery() const { return {.clock = &time}; }
    QTemporaryDir folder;
    foundation::VirtualTime time;
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
    UserDefaults defaults(path(), recovery());
    EXPECT_EQ(defaults.floatValue("TolvaneControl_soundVolume"), 0.25f);
    ASSERT_TRUE(defaults.setBool("after", true));
    EXPECT_TRUE(UserDefaults(path()).boolean("after"));

    QFile kept(QString::fromStdString(path() + ".unreadable-20260301102030"));
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
        UserDefaults defaults(path(), recovery());
        ASSERT_EQ(log->records.size(), 1u);
        EXPECT_NE(log->records[0].line.find("could not be read"), std::string::npos);
        const std::string kept = path() + ".unreadable-20260301102030" + (i == 0 ? "" : "." + std::to_string(i));
        QFile keptFile(QString::fromStdString(kept));
        ASSERT_TRUE(keptFile.open(QIODevice::ReadOnly)) << kept;
        EXPECT_EQ(keptFile.readAll(), corruptions[i]) << "an earlier copy was overwritten";
    }
}

TEST_F(UserDefaultsTest, OnlyALockHeldByAnotherLiveRunOfThisProgramIsLeftAtOpen)
{
    // Any lock left in place makes the first write wait for it to go stale, half a minute.
    const QString lockPath = QString::fromStdString(path() + ".lock");
    auto writeLock = [&](const QByteArray& content) {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(content);
    };
    auto lockNaming = [](pid_t pid) { return QByteArray::number(pid) + "\nTolvaneControl\nhost\n"; };
    struct Case {
        std::string name;
        QByteArray content;
    };
    const std::vector<Case> removed = {
        {"empty", QByteArray()},
        {"a process that is gone", "999999999\nTolvaneControl\nhost\n"},
        {"this very process, as a run killed while it wrote whose process id came back", lockNaming(::getpid())},
        {"a live process running another program", lockNaming(::getppid())},
    };
    for (const Case& c : removed) {
        writeLock(c.content);
        UserDefaults defaults(path());
        EXPECT_FALSE(QFile::exists(lockPath)) << c.name;
        EXPECT_TRUE(defaults.setBool("written", true)) << c.name;
    }

    // Another live run of this very program is writing: its lock is honoured.
    const pid_t otherRun = ::fork();
    ASSERT_GE(otherRun, 0);
    if (otherRun == 0) {
        ::pause();
        ::_exit(0);
    }
    writeLock(lockNaming(otherRun));
    { UserDefaults defaults(path()); }
    EXPECT_TRUE(QFile::exists(lockPath));
    ::kill(otherRun, SIGKILL);
    ::waitpid(otherRun, nullptr, 0);
    QFile::remove(lockPath);
}

TEST_F(UserDefaultsTest, AnEmptyFileOrAFolderInItsPlaceIsKeptAsideAndTheSettingsWorkAgain)
{
    const QString file = QString::fromStdString(path());
    struct Case {
        std::string name, why;
        std::function<void()> damage;
        std::function<bool(const QString& kept)> isKept;
    };
    const std::vector<Case> cases = {
        {"empty file", "it is empty", [&] { QFile(file).open(QIODevice::WriteOnly | QIODevice::Truncate); },
         [](const QString& kept) { return QFileInfo(kept).isFile() && QFileInfo(kept).size() == 0; }},
        {"folder in its place", "something other than a file is in its place",
         [&] {
             ASSERT_TRUE(QDir().mkpath(file + "/inside"));
         },
         [](const QString& kept) { return QFileInfo(kept + "/inside").isDir(); }},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        cases[i].damage();
        testing_support::ScopedSystemLogCapture log;
        UserDefaults defaults(path(), recovery());
        ASSERT_EQ(log->lines().size(), 1u);
        EXPECT_NE(log->lines()[0].find("could not be read (" + cases[i].why + ")"), std::string::npos) << log->lines()[0];
        const QString kept = file + ".unreadable-20260301102030" + (i == 0 ? "" : "." + QString::number(i));
        EXPECT_TRUE(cases[i].isKept(kept));
        EXPECT_TRUE(defaults.setBool("written", true));
        EXPECT_TRUE(UserDefaults(path()).boolean("written"));
        ASSERT_TRUE(QFile::remove(file));
    }
}

TEST_F(UserDefaultsTest, OnlyTheKnownKeysOfAnUnreadableFileAreCarriedOver)
{
    {
        QFile file(QString::fromStdString(path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nTolvaneControl_soundVolume=0.25\nR%UFFFD%26e=1\njunk=2\n\x01\x02 garbage\n");
    }
    testing_support::ScopedSystemLogCapture log;
    UserDefaults defaults(path(), {.isKnownKey = [](std::string_view key) { return key.starts_with("TolvaneControl_"); },
                                   .clock = &time});
    EXPECT_EQ(defaults.floatValue("TolvaneControl_soundVolume"), 0.25f);
    EXPECT_FALSE(defaults.hasObject("junk"));
    EXPECT_EQ(QSettings(QString::fromStdString(path()), QSettings::IniFormat).allKeys(),
              QStringList{"TolvaneControl_soundVolume"});
    ASSERT_EQ(log->lines().size(), 1u);
    EXPECT_NE(log->lines()[0].find("1 readable values were carried over"), std::string::npos) << log->lines()[0];
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
