#include "Class/Model/Utility/MEKELCLoger.h"
#include "Class/Model/Utility/MyLog.h"

#include "elclog/ELCLog.h"
#include "foundation/StandardLocations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tolvane::app::MEKELCLoger;

std::string readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(MEKELCLogerTest, SettingsAreTheLibrarysConstants)
{
    EXPECT_TRUE(MEKELCLoger::defaultLogEnableStatus);
    EXPECT_EQ(MEKELCLoger::defaultTapNumber, 5);
    EXPECT_EQ(MEKELCLoger::defaultLongPressTime, 5.0);
    EXPECT_EQ(MEKELCLoger::defauleIntelligentEnableCount, 5);
    EXPECT_EQ(MEKELCLoger::defaultLogSaveDay, 7);
    EXPECT_EQ(MEKELCLoger::defaultStorageType, 6);
    EXPECT_EQ(MEKELCLoger::defaultLogLevel, 31);
    EXPECT_EQ(tolvane::app::MY_LOG_FLAG & MEKELCLoger::defaultLogLevel, tolvane::app::MY_LOG_FLAG);
}

TEST(MEKELCLogerTest, AfterSetUpTaggedLinesAreKeptEchoedAndExported)
{
    MEKELCLoger::setEnabled(false);
    MEKELCLoger::initLogSetting();
    EXPECT_TRUE(MEKELCLoger::isEnabled());
    const QString folder = QString::fromStdString(foundation::documentsDirectory() + "/ELCLog");
    EXPECT_EQ(elclog::ELCLog::logFolder(), folder.toStdString());

    ::testing::internal::CaptureStdout();
    tolvane::app::myLog("页面迁移", "迁移到了Settings", false, "showSettings()");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[MyLog][页面迁移] 迁移到了Settings\n");

    const QStringList files = QDir(folder).entryList({"elclog_*.log"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const std::string kept = readAll(folder + "/" + files[0]);
    EXPECT_NE(kept.find("\t16\t"), std::string::npos);
    EXPECT_NE(kept.find("MEKELCLogerTest.cpp:"), std::string::npos);
    EXPECT_TRUE(kept.ends_with("\tshowSettings()\t[页面迁移] 迁移到了Settings\n")) << kept;

    // A link planted in the log folder never takes another file into the export.
    QTemporaryDir exportFolder;
    const QString secret = exportFolder.filePath("secret.txt");
    {
        QFile file(secret);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a log");
    }
    ASSERT_TRUE(QFile::link(secret, folder + "/elclog_000101.log"));
    ASSERT_TRUE(MEKELCLoger::exportLogFiles(exportFolder.filePath("export.log").toStdString()));
    EXPECT_EQ(readAll(exportFolder.filePath("export.log")), kept);
    QFile::remove(folder + "/elclog_000101.log");
}

TEST(MEKELCLogerTest, AUnitsNameForgesNoLineInTheKeptFileOrOnTheConsole)
{
    MEKELCLoger::initLogSetting();
    const QString folder = QString::fromStdString(elclog::ELCLog::logFolder());
    const std::string name = std::string("Unit\nforged line\t\u202Egnp.exe") + '\0' + "tail";

    ::testing::internal::CaptureStdout();
    tolvane::app::myLog("连车调查", "Found " + name, false, "find()");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "[MyLog][连车调查] Found Unit\\nforged line\\t\\u{202E}gnp.exe\\x00tail\n");

    const QStringList files = QDir(folder).entryList({"elclog_*.log"}, QDir::Files);
    ASSERT_FALSE(files.empty());
    const std::string kept = readAll(folder + "/" + files.back());
    EXPECT_TRUE(kept.ends_with("\tfind()\t[连车调查] Found Unit\\nforged line\\t\\u{202E}gnp.exe\\x00tail\n")) << kept;
}

TEST(MEKELCLogerTest, ADisabledLoggerKeepsNothing)
{
    MEKELCLoger::initLogSetting();
    const QString folder = QString::fromStdString(elclog::ELCLog::logFolder());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    MEKELCLoger::setEnabled(false);
    ::testing::internal::CaptureStdout();
    tolvane::app::myLog("VELL-LOG", "dropped");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "[MyLog][VELL-LOG] dropped\n");
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

TEST(MEKELCLogerTest, IntelligentEnableUsesOneRemainingCount)
{
    MEKELCLoger::setEnabled(false);
    MEKELCLoger::autoEnableWithCount(2);
    MEKELCLoger::intelligentEnable();
    EXPECT_TRUE(MEKELCLoger::isEnabled());
    EXPECT_EQ(MEKELCLoger::autoEnableCount(), 1);

    MEKELCLoger::setEnabled(false);
    MEKELCLoger::autoEnableWithCount(0);
    MEKELCLoger::intelligentEnable();
    EXPECT_FALSE(MEKELCLoger::isEnabled());
    EXPECT_EQ(MEKELCLoger::autoEnableCount(), 0);
}

} // namespace
