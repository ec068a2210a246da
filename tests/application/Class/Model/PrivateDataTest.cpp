#include "Class/Model/DataController.h"
#include "Class/Model/Utility/MEKELCLoger.h"
#include "support/ScopedEnvironment.h"

#include "elclog/ELCLog.h"
#include "foundation/FileAppend.h"
#include "foundation/StandardLocations.h"
#include "foundation/UserDefaults.h"
#include "foundation/VirtualTime.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The most open umask, put back when the test ends.
class ScopedOpenUmask {
public:
    ScopedOpenUmask() : saved_(::umask(0)) {}
    ~ScopedOpenUmask() { ::umask(saved_); }

private:
    mode_t saved_;
};

TEST(PrivateDataTest, TheUsersFoldersAndFilesAreTheirsAloneWhateverTheUmask)
{
    QTemporaryDir root;
    const std::string data = root.path().toStdString() + "/data";
    // Left open by an earlier version.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(data)));
    ASSERT_EQ(::chmod(data.c_str(), 0755), 0);
    const std::string oldLog = data + "/old.log";
    ASSERT_EQ(foundation::appendToFile(oldLog, "before\n"), foundation::AppendResult::appended);
    ASSERT_EQ(::chmod(oldLog.c_str(), 0644), 0);
    {
        testing_support::ScopedEnvironment environment;
        environment.set("TOLVANE_DATA_DIR", data);
        const ScopedOpenUmask openUmask;

        const std::string documents = foundation::documentsDirectory();
        // What a kill during a rewrite leaves: kept aside, and the copy is the user's alone too.
        QFile(QString::fromStdString(foundation::userDefaultsFilePath())).open(QIODevice::WriteOnly);
        foundation::UserDefaults settings(foundation::userDefaultsFilePath());
        const QStringList kept = QDir(QString::fromStdString(documents)).entryList({"TolvaneControl.ini.unreadable-*"});
        ASSERT_EQ(kept.size(), 1);
        ASSERT_TRUE(settings.setString("TolvaneControl_CarRecords", "{}"));
        const foundation::VirtualTime time;
        tolvane::app::DataController history(documents, time);
        ASSERT_FALSE(history.insertHistory().empty());
        const std::string newLog = documents + "/new.log";
        ASSERT_EQ(foundation::appendToFile(newLog, "line\n"), foundation::AppendResult::appended);
        ASSERT_EQ(foundation::appendToFile(oldLog, "after\n"), foundation::AppendResult::appended);
        elclog::ELCLog::initSDK(31, 6, 7, documents + "/ELCLog");
        elclog::ELCLog::setEnabled(true);
        elclog::ELCLog::write("line", 1, "file", "function", 1, false);
        const std::string exported = root.path().toStdString() + "/export.log";
        ASSERT_TRUE(elclog::ELCLog::exportLogFiles(exported));

        const std::vector<std::pair<std::string, mode_t>> expected = {
            {documents, 0700},
            {settings.filePath(), 0600},
            {history.storePath(), 0600},
            {newLog, 0600},
            {oldLog, 0600},
            {documents + "/ELCLog", 0700},
            {exported, 0600},
            {documents + "/" + kept[0].toStdString(), 0600},
        };
        for (const auto& [path, mode] : expected)
            EXPECT_EQ(modeOf(path), mode) << path;
    }
    // The closed logger writes where the other tests expect it again.
    tolvane::app::MEKELCLoger::initLogSetting();
}

} // namespace
