#include "Class/Model/DataController.h"

#include "foundation/UserDefaults.h"
#include "foundation/VirtualTime.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <random>
#include <sstream>
#include <string>

namespace {

// The writes a killed writer reported as done.
struct Reported {
    std::vector<long> settings;
    std::map<std::string, long> rows;
    size_t count() const { return settings.size() + rows.size(); }
};

// Starts the writer on `folder`, lets it report `reports` successful writes, lets it go on for a
// further `spin` turns of a busy loop, so the kill lands at any point of a write rather than just
// after a report, then kills it with SIGKILL and returns what it had reported.
Reported killWriterAfter(const std::string& folder, size_t reports, unsigned spin)
{
    int output[2];
    if (pipe(output) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl(APP_DURABILITY_WRITER, APP_DURABILITY_WRITER, folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    Reported reported;
    std::string pending;
    char buffer[4096];
    while (reported.count() < reports) {
        const ssize_t n = read(output[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            std::istringstream line(pending.substr(0, end));
            std::string kind;
            line >> kind;
            if (kind == "S") {
                long n = 0;
                line >> n;
                reported.settings.push_back(n);
            } else {
                std::string id;
                long n = 0;
                line >> id >> n;
                reported.rows[id] = n;
            }
        }
    }
    volatile unsigned turns = 0;
    while (turns < spin)
        turns = turns + 1u;
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(output[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer ended on its own";
    return reported;
}

TEST(DurabilityTest, AWriterKilledAtAnyPointLeavesEveryAcknowledgedWriteReadableWithoutAWait)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    const QString settingsLock = QString::fromStdString(path + "/TolvaneControl.ini.lock");
    foundation::VirtualTime time;
    std::mt19937 random(20261210);
    std::map<long, long> allSettings;
    std::map<std::string, long> allRows;
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        const size_t reports = std::uniform_int_distribution<size_t>(1, 160)(random);
        const unsigned spin = std::uniform_int_distribution<unsigned>(0, 400000)(random);
        const Reported reported = killWriterAfter(path, reports, spin);
        ASSERT_GE(reported.count(), reports);
        for (long n : reported.settings)
            allSettings[n] = n;
        allRows.insert(reported.rows.begin(), reported.rows.end());

        // A lock the killed writer left must not make the next start wait for it to go stale.
        foundation::UserDefaults settings(path + "/TolvaneControl.ini");
        EXPECT_FALSE(QFile::exists(settingsLock)) << "the next start would wait on a dead writer's lock";
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path + "/TolvaneControl.ini.unreadable")));
        for (const auto& [key, n] : allSettings)
            EXPECT_EQ(settings.integer("key" + std::to_string(key)), n) << key;
        EXPECT_TRUE(settings.setBool("written after the kill", true));

        tolvane::app::DataController history(path, time);
        ASSERT_TRUE(history.isLoaded());
        std::map<std::string, tolvane::app::TolvaneControlHistory> stored;
        for (auto& row : history.fetchAllHistories())
            stored.emplace(row.id, row);
        for (const auto& [id, n] : allRows) {
            ASSERT_TRUE(stored.contains(id)) << id;
            EXPECT_EQ(stored[id].eventCode, "E003");
            EXPECT_EQ(stored[id].carName, "car" + std::to_string(n));
        }
        EXPECT_FALSE(history.insertHistory().empty());
    }
}

} // namespace
