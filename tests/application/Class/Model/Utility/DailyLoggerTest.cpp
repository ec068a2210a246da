#include "Class/Model/Utility/DailyLogger.h"
#include "Class/Model/Utility/DeviceDescription.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/ThreadName.h"
#include "foundation/TimeZone.h"
#include "foundation/VirtualTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using tolvane::app::DailyLogger;
using tolvane::app::LogLevel;

foundation::Date utc(int y, unsigned mo, unsigned d, int h, int mi, int s, int ms)
{
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
}

// The field at `index` of a tab-separated line.
std::string field(const std::string& line, size_t index)
{
    size_t start = 0;
    for (size_t i = 0; i < index; ++i)
        start = line.find('\t', start) + 1;
    return line.substr(start, line.find('\t', start) - start);
}

class DailyLoggerTest : public ::testing::Test {
protected:
    DailyLoggerTest()
    {
        foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("Asia/Tokyo"));
        time.setWallStart(utc(2026, 3, 1, 14, 5, 6, 789)); // 23:05:06.789 in Tokyo
        tolvane::app::deviceDescription().set("17.2/iPhone15,2");
    }
    ~DailyLoggerTest() override
    {
        foundation::TimeZone::setDefault(std::nullopt);
        tolvane::app::deviceDescription().set("");
    }

    std::shared_ptr<DailyLogger> makeLogger(int minimumLevel = 1)
    {
        return std::make_shared<DailyLogger>(DailyLogger::Environment{
            .clock = time,
            .loggingQueue = *queue,
            .documentsDirectory = folder.path().toStdString(),
            .appVersion = "2.3.4",
            .launchId = "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D",
            .minimumLogLevel = minimumLevel,
        });
    }
    std::shared_ptr<DailyLogger> setUpLogger(int minimumLevel = 1)
    {
        auto logger = makeLogger(minimumLevel);
        logger->setUp();
        time.runUntilIdle();
        return logger;
    }

    std::vector<std::string> lines(const std::string& name)
    {
        time.runUntilIdle();
        QFile file(folder.filePath(QString::fromStdString(name)));
        std::vector<std::string> result;
        if (!file.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.isEmpty())
                result.push_back(line.toStdString());
        return result;
    }

    QTemporaryDir folder;
    foundation::VirtualTime time;
    std::shared_ptr<foundation::RunLoop> queue = time.makeLoop("com.tolvane.control.logging");
};

TEST_F(DailyLoggerTest, ALineHasItsFieldsInOrderJoinedByTabs)
{
    auto logger = setUpLogger();
    struct Case {
        std::string message;
        std::vector<tolvane::app::LabelledValue> values;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {"Opened", {{"Count", 5}}, "\tOpened\tCount: 5"},
        {"", {}, "\t"},
        {"mixed", {{"ratio", 0.5}, {"step", 1.0}, {"on", true}, {"name", std::string("A")}, {"cause", "BT_LOSS"}},
         "\tmixed\tratio: 0.5\tstep: 1.0\ton: true\tname: A\tcause: BT_LOSS"},
    };
    const auto location = std::source_location::current();
    for (const Case& c : cases)
        logger->print(c.message, LogLevel::warning, {.values = c.values, .function = "transition(reqDisplayId:causeId:)"},
                      location);
    const std::string head = "2026/03/01 23:05:06.789\t[2.3.4]\t[17.2/iPhone15,2]\t[0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D]"
                             "\t[main]\t[WARN]\t[DailyLoggerTest.cpp(" + std::to_string(location.line()) +
                             ")]\t[transition(reqDisplayId:causeId:)]";
    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(written[i], head + cases[i].tail);
}

TEST_F(DailyLoggerTest, ALineIsMadeOnTheLoggingQueueWithTheTimeItWasPrintedAt)
{
    auto logger = setUpLogger(3);
    std::vector<const foundation::RunLoop*> madeOn;
    auto hexOf = [&madeOn](std::string hex) {
        return [&madeOn, hex] {
            madeOn.push_back(foundation::RunLoop::current());
            return hex;
        };
    };
    logger->print(hexOf("5A 01"), LogLevel::warning, {.function = "f"}, std::source_location::current());
    logger->print(hexOf("dropped"), LogLevel::information, {.function = "f"}, std::source_location::current());
    time.advanceWhileBlocked(*queue, 2.0);
    EXPECT_TRUE(madeOn.empty());

    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(written[0].starts_with("2026/03/01 23:05:06.789\t")) << written[0];
    EXPECT_TRUE(written[0].ends_with("\t[f]\t5A 01")) << written[0];
    EXPECT_EQ(madeOn, std::vector<const foundation::RunLoop*>{queue.get()});
}

TEST_F(DailyLoggerTest, ControlCharactersFromOutsideAreEscapedSoEachLineKeepsItsFields)
{
    auto logger = setUpLogger();
    logger->print("Accessory arrived.", LogLevel::information,
                  {.values = {{"Name", std::string("Unit\tA\nforged line\r\x01\x7F")}}, .function = "f"},
                  std::source_location::current());
    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(written[0].ends_with("\tAccessory arrived.\tName: Unit\\tA\\nforged line\\r\\x01\\x7F")) << written[0];

    // A right-to-left override would show the rest of a line reversed, hiding what it says.
    logger->print("Unit \u202Egnp.exe", LogLevel::information, {.function = "f"}, std::source_location::current());
    EXPECT_TRUE(lines("logging_260301.log").back().ends_with("\tUnit \\u{202E}gnp.exe"));
}

TEST_F(DailyLoggerTest, TwentyLinkedMinutesKeepEveryFileAndTheConsoleWithinBoundsWithTheNewestLines)
{
    std::string console;
    auto logger = std::make_shared<DailyLogger>(DailyLogger::Environment{
        .clock = time,
        .loggingQueue = *queue,
        .documentsDirectory = folder.path().toStdString(),
        .launchId = "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D",
        .logFileBytes = 64 * 1024,
        .console = [&](std::string_view text) { console += text; },
    });
    logger->setUp();
    time.runUntilIdle();
    logger->startPeriodicTimer();

    // A linked run: a sent and a received frame every 50 ms, as the link logs them, for 20 minutes.
    int sent = 0;
    for (; sent < 20 * 60 * 20; ++sent) {
        logger->print("Sent operation data.", LogLevel::debug, {.values = {{"Data", std::string(40, 'A')}, {"Count", sent}}},
                      std::source_location::current());
        logger->print("Received data.", LogLevel::debug, {.values = {{"Data", std::string(40, 'B')}}},
                      std::source_location::current());
        time.advance(0.05);
    }
    logger->print("The newest line.", LogLevel::error, {}, std::source_location::current());
    time.runUntilIdle();

    for (const char* name : {"logging_260301.log", "logging_260301-previous.log", "logging_periodic_260301.log",
                             "logging_periodic_260301-previous.log"}) {
        SCOPED_TRACE(name);
        const QFileInfo file(folder.filePath(name));
        EXPECT_TRUE(file.exists());
        EXPECT_LE(file.size(), 64 * 1024);
    }
    const auto daily = lines("logging_260301.log");
    ASSERT_GE(daily.size(), 2u);
    EXPECT_EQ(daily.front(), "The lines before this one are in logging_260301-previous.log; older ones were dropped "
                             "to keep this log within 65536 bytes.");
    EXPECT_TRUE(daily.back().ends_with("\tThe newest line.")) << daily.back();
    EXPECT_TRUE(daily[daily.size() - 3].ends_with("\tCount: " + std::to_string(sent - 1))) << daily[daily.size() - 3];
    // The heartbeat's newest line is that of the last half second.
    const auto periodic = lines("logging_periodic_260301.log");
    ASSERT_FALSE(periodic.empty());
    EXPECT_TRUE(periodic.back().starts_with("2026/03/01 23:25:06.")) << periodic.back();

    // The echo takes at most a megabyte in ten seconds, which a linked run stays well within.
    EXPECT_LE(console.size(), (20u * 6 + 1) * 1024 * 1024);
    EXPECT_TRUE(console.ends_with("\tThe newest line.\n"));
    logger->stopPeriodicTimer();
}

TEST_F(DailyLoggerTest, LinesWaitingTogetherReachFileAndConsoleInOrderBeforeTheirCompletionsRun)
{
    auto logger = setUpLogger();
    auto sender = time.makeLoop("com.tolvane.control.data_transmission");
    std::vector<std::string> seenByCompletions;
    auto readDaily = [&] {
        QFile file(folder.filePath("logging_260301.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    };
    ::testing::internal::CaptureStdout();
    // All of these wait for the logging queue, which has not run yet.
    logger->print("one", LogLevel::information, {}, std::source_location::current());
    sender->post([&] {
        logger->print("two", LogLevel::information, {.completion = [&] { seenByCompletions.push_back(readDaily()); }},
                      std::source_location::current());
    });
    sender->post([&] { logger->print("beat", LogLevel::information, {.isPeriodic = true}, std::source_location::current()); });
    sender->post([&] { logger->writeInLineOrder([] { return std::string("[other writer]\n"); }); });
    sender->post([&] { logger->print("three", LogLevel::information, {}, std::source_location::current()); });
    time.runUntilIdle();
    logger->print("four", LogLevel::information, {.completion = [&] { seenByCompletions.push_back(readDaily()); }},
                  std::source_location::current());
    time.runUntilIdle();
    const std::string console = ::testing::internal::GetCapturedStdout();

    const auto daily = lines("logging_260301.log");
    std::vector<std::string> messages;
    std::string joined;
    for (const std::string& line : daily) {
        messages.push_back(field(line, 8));
        joined += line + "\n";
    }
    EXPECT_EQ(messages, (std::vector<std::string>{"one", "two", "three", "four"}));
    ASSERT_EQ(daily.size(), 4u);
    EXPECT_EQ(console, daily[0] + "\n" + daily[1] + "\n[other writer]\n" + daily[2] + "\n" + daily[3] + "\n");
    ASSERT_EQ(lines("logging_periodic_260301.log").size(), 1u);
    ASSERT_EQ(seenByCompletions.size(), 2u);
    EXPECT_NE(seenByCompletions[0].find("\ttwo\n"), std::string::npos);
    EXPECT_EQ(seenByCompletions[1], joined);
}

TEST_F(DailyLoggerTest, TheThreadFieldIsTheThreadNameElseTheLoopNameElseUnknown)
{
    auto logger = setUpLogger();
    auto worker = time.makeLoop("com.tolvane.control.data_receive");
    worker->post([&] { logger->print("from a loop", LogLevel::debug, {}, std::source_location::current()); });
    time.runUntilIdle();
    foundation::setCurrentThreadName("com.tolvane.control.data_transmission");
    logger->print("from a named thread", LogLevel::debug, {}, std::source_location::current());
    foundation::setCurrentThreadName("");
    std::thread([&] { logger->print("from nowhere", LogLevel::debug, {}, std::source_location::current()); }).join();

    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), 3u);
    EXPECT_NE(written[0].find("\t[com.tolvane.control.data_receive]\t"), std::string::npos);
    EXPECT_NE(written[1].find("\t[com.tolvane.control.data_transmission]\t"), std::string::npos);
    EXPECT_NE(written[2].find("\t[Unknown queue]\t"), std::string::npos);
}

TEST_F(DailyLoggerTest, LinesBelowTheMinimumLevelAreDropped)
{
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {0, {"[DEBUG]", "[INFO]", "[WARN]", "[ERROR]"}},
        {1, {"[DEBUG]", "[INFO]", "[WARN]", "[ERROR]"}},
        {3, {"[WARN]", "[ERROR]"}},
        {5, {}},
    };
    for (const auto& [minimum, expected] : cases) {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        auto logger = setUpLogger(minimum);
        for (LogLevel level : {LogLevel::debug, LogLevel::information, LogLevel::warning, LogLevel::error})
            logger->print("m", level, {}, std::source_location::current());
        std::vector<std::string> labels;
        for (const std::string& line : lines("logging_260301.log"))
            labels.push_back(field(line, 5));
        EXPECT_EQ(labels, expected) << minimum;
    }
}

TEST_F(DailyLoggerTest, PeriodicLinesGoOnlyToThePeriodicFileAndDailyLinesAlsoToTheConsole)
{
    auto logger = setUpLogger();
    ::testing::internal::CaptureStdout();
    logger->print("daily", LogLevel::information, {}, std::source_location::current());
    logger->print("periodic", LogLevel::information, {.isPeriodic = true}, std::source_location::current());
    time.runUntilIdle();
    const std::string console = ::testing::internal::GetCapturedStdout();

    const auto daily = lines("logging_260301.log");
    const auto periodic = lines("logging_periodic_260301.log");
    ASSERT_EQ(daily.size(), 1u);
    ASSERT_EQ(periodic.size(), 1u);
    EXPECT_TRUE(daily[0].ends_with("\tdaily"));
    EXPECT_TRUE(periodic[0].ends_with("\tperiodic"));
    EXPECT_EQ(console, daily[0] + "\n");
}

TEST_F(DailyLoggerTest, LinesBeforeTheSetUpHasRunAreDroppedWithoutTheirCompletion)
{
    auto logger = makeLogger();
    int completions = 0;
    logger->print("too early", LogLevel::error, {.completion = [&] { ++completions; }}, std::source_location::current());
    logger->setUp();
    logger->print("still early", LogLevel::error, {.completion = [&] { ++completions; }}, std::source_location::current());
    time.runUntilIdle();
    EXPECT_EQ(completions, 0);

    auto& main = time.mainLoop();
    bool ranOnMain = false;
    logger->print("in time", LogLevel::error, {.queue = &main, .completion = [&] { ranOnMain = main.isCurrent(); }},
                  std::source_location::current());
    logger->print("in time too", LogLevel::error, {.completion = [&] { ++completions; }}, std::source_location::current());
    time.runUntilIdle();
    EXPECT_TRUE(ranOnMain);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(lines("logging_260301.log").size(), 2u);
}

TEST_F(DailyLoggerTest, TheFilesKeepTheLaunchDateAfterMidnight)
{
    time.setWallStart(utc(2026, 3, 1, 14, 59, 0, 0)); // 23:59 in Tokyo
    auto logger = setUpLogger();
    time.advance(120.0);
    logger->print("after midnight", LogLevel::information, {}, std::source_location::current());
    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(written[0].starts_with("2026/03/02 00:01:00.000\t"));
    EXPECT_FALSE(QFile::exists(folder.filePath("logging_260302.log")));
}

TEST_F(DailyLoggerTest, SetUpRemovesDailyFilesOlderThanTheKeptDays)
{
    for (const char* name : {"logging_260221.log", "logging_periodic_260130.log", "logging_260222.log",
                             "logging_periodic_260228.log", "logging_notes.log"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    setUpLogger();
    const QStringList left = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left, (QStringList{"logging_260222.log", "logging_notes.log", "logging_periodic_260228.log"}));
}

TEST_F(DailyLoggerTest, TheHeartbeatWritesOnePeriodicLineEveryHalfSecondUntilStopped)
{
    auto logger = setUpLogger();
    logger->startPeriodicTimer();
    logger->startPeriodicTimer();
    time.advance(1.6);
    logger->stopPeriodicTimer();
    time.advance(2.0);
    const auto beats = lines("logging_periodic_260301.log");
    ASSERT_EQ(beats.size(), 3u);
    for (const std::string& beat : beats) {
        EXPECT_EQ(field(beat, 5), "[INFO]");
        EXPECT_TRUE(field(beat, 6).starts_with("[DailyLogger.cpp("));
        EXPECT_EQ(field(beat, 7), "[startPeriodicTimer()]");
        EXPECT_EQ(field(beat, 8), "定期タイマー実行");
    }
    EXPECT_TRUE(lines("logging_260301.log").empty());
}

TEST_F(DailyLoggerTest, AFileThatCannotBeOpenedIsReportedOnTheConsole)
{
    auto logger = std::make_shared<DailyLogger>(DailyLogger::Environment{
        .clock = time, .loggingQueue = *queue, .documentsDirectory = folder.filePath("missing").toStdString()});
    logger->setUp();
    time.runUntilIdle();
    ::testing::internal::CaptureStdout();
    logger->print("lost", LogLevel::information, {.isPeriodic = true}, std::source_location::current());
    time.runUntilIdle();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Occured error on LogManager. Failed to open OutputStream.\tURL: file://" +
                  folder.filePath("missing").toStdString() + "/logging_periodic_260301.log\n");
}

TEST_F(DailyLoggerTest, TheStaticEntryDropsLinesUntilALoggerIsInstalledAndSetUp)
{
    tolvane::app::LogManager::print("nobody listens", LogLevel::error);
    auto logger = setUpLogger();
    tolvane::app::LogManager::install(logger);
    tolvane::app::LogManager::print("through the entry", LogLevel::error, {.function = "f()"});
    tolvane::app::LogManager::install(nullptr);
    const auto written = lines("logging_260301.log");
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(written[0].ends_with("\t[f()]\tthrough the entry"));
}

} // namespace
