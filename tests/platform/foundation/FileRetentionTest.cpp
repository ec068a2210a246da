#include "foundation/DatedFiles.h"
#include "foundation/FileAppend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(FileRetentionTest, RemovesOnlyDatedFilesOfTheGivenNamesBeforeTheFirstKeptDay)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const std::vector<std::pair<std::string, bool>> files = {
        {"logging_260301.log", false}, {"logging_periodic_260225.log", false}, {"logging_260302.log", true},
        {"logging_periodic_260302.log", true}, {"logging_260310.log", true}, {"logging_notes.log", true},
        {"logging_261399.log", true}, {"other_260101.log", true}, {"logging_260101.txt", true},
        {"logging_260301-previous.log", false}, {"logging_periodic_260301-previous.log", false},
        {"logging_260302-previous.log", true}, {"logging_260301-other.log", true},
    };
    for (const auto& [name, kept] : files) {
        QFile file(dir.filePath(QString::fromStdString(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(dir.mkdir("logging_250101.log"));

    foundation::removeDatedFilesBefore(folder.path().toStdString(), {"logging_", "logging_periodic_"}, ".log",
                                       year{2026} / 3 / 2);

    for (const auto& [name, kept] : files)
        EXPECT_EQ(dir.exists(QString::fromStdString(name)), kept) << name;
    EXPECT_TRUE(dir.exists("logging_250101.log"));
}

TEST(FileRetentionTest, AppendWritesEveryByteAndReportsAFolderThatIsNotThere)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/big.log";
    const std::string first(3 * 1024 * 1024, 'x');
    ASSERT_EQ(foundation::appendToFile(path, first), foundation::AppendResult::appended);
    ASSERT_EQ(foundation::appendToFile(path, "tail\n"), foundation::AppendResult::appended);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), first + "tail\n");

    EXPECT_EQ(foundation::appendToFile(folder.path().toStdString() + "/missing/x.log", "a"),
              foundation::AppendResult::openFailed);
}

std::string contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

TEST(FileRetentionTest, AnOpenAppendingFileFollowsItsPathWhenTheFileIsRemovedOrRenamed)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/day.log";
    const std::string rotated = folder.path().toStdString() + "/day.log.1";
    foundation::AppendingFile file;

    ASSERT_EQ(file.append(path, "one\n"), foundation::AppendResult::appended);
    ASSERT_EQ(file.append(path, "two\n"), foundation::AppendResult::appended);
    EXPECT_EQ(contents(path), "one\ntwo\n");

    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    ASSERT_EQ(file.append(path, "three\n"), foundation::AppendResult::appended);
    EXPECT_EQ(contents(path), "three\n");

    ASSERT_TRUE(QFile::rename(QString::fromStdString(path), QString::fromStdString(rotated)));
    ASSERT_EQ(file.append(path, "four\n"), foundation::AppendResult::appended);
    EXPECT_EQ(contents(path), "four\n");
    EXPECT_EQ(contents(rotated), "three\n");

    EXPECT_EQ(file.append(folder.path().toStdString() + "/missing/x.log", "a"), foundation::AppendResult::openFailed);
    ASSERT_EQ(file.append(path, "five\n"), foundation::AppendResult::appended);
    EXPECT_EQ(contents(path), "four\nfive\n");
}

} // namespace
