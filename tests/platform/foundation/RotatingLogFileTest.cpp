#include "foundation/RotatingLogFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string contents(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? text.str() : "<missing>";
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

TEST(RotatingLogFileTest, PathOfThePreviousFileSortsBeforeTheFileOfTheSameDay)
{
    EXPECT_EQ(foundation::RotatingLogFile::previousPath("/d/logging_261211.log"), "/d/logging_261211-previous.log");
    EXPECT_EQ(foundation::RotatingLogFile::previousPath("/d.x/console"), "/d.x/console-previous");
    EXPECT_LT(std::string("elclog_261211-previous.log"), std::string("elclog_261211.log"));
}

TEST(RotatingLogFileTest, AFullFileMovesAsideWithOneLineSayingSoAndTheNewestLinesAreKept)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/logging_261211.log";
    const std::string previous = folder.path().toStdString() + "/logging_261211-previous.log";
    foundation::RotatingLogFile file(200);

    // Lines of 10 bytes, one by one and in batches, as the logging queue hands them over.
    for (int batch = 0; batch < 20; ++batch) {
        std::string text;
        for (int i = 0; i < 3; ++i)
            text += "line " + std::to_string(100 + batch * 3 + i) + "\n";
        ASSERT_EQ(file.append(path, text), foundation::AppendResult::appended);
    }

    const std::string current = contents(path);
    const std::string kept = contents(previous);
    EXPECT_LE(current.size(), 200u);
    EXPECT_LE(kept.size(), 200u);
    const auto currentLines = lines(current);
    ASSERT_FALSE(currentLines.empty());
    EXPECT_EQ(currentLines.front(),
              "The lines before this one are in logging_261211-previous.log; older ones were dropped to keep this "
              "log within 200 bytes.");
    EXPECT_EQ(currentLines.back(), "line 159");
    // Nothing between the kept file's last line and the current file's first is lost.
    const auto keptLines = lines(kept);
    const int lastKept = std::stoi(keptLines.back().substr(5));
    EXPECT_EQ(currentLines.at(1), "line " + std::to_string(lastKept + 1));
    // Every line is whole.
    for (const auto& line : keptLines)
        EXPECT_TRUE(line.starts_with("line ") || line.starts_with("The lines before")) << line;
}

TEST(RotatingLogFileTest, AFileLeftByAnEarlierRunCountsAgainstTheBudget)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/elclog_261211.log";
    std::ofstream(path) << std::string(95, 'x') << "\n";
    foundation::RotatingLogFile file(100);

    ASSERT_EQ(file.append(path, "a later run's fault\n"), foundation::AppendResult::appended);

    EXPECT_EQ(contents(folder.path().toStdString() + "/elclog_261211-previous.log"), std::string(95, 'x') + "\n");
    EXPECT_EQ(lines(contents(path)).back(), "a later run's fault");
}

} // namespace
