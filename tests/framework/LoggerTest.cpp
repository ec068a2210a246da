#include "Logger.h"
#include "support/CapturingSystemLog.h"

#include <gtest/gtest.h>

namespace {

using tolvane::LogLevel;

TEST(LoggerTest, LevelsKeepTheirOrderAndExactRawTexts)
{
    const std::vector<std::pair<LogLevel, std::string>> table = {
        {LogLevel::debug, "Debug"}, {LogLevel::trace, "Trace"},     {LogLevel::info, "Info"},
        {LogLevel::notice, "Notice"}, {LogLevel::error, "Error"},   {LogLevel::warning, "Warning"},
        {LogLevel::fault, "Fault"},   {LogLevel::critical, "Critical"}};
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(static_cast<size_t>(table[i].first), i);
        EXPECT_EQ(tolvane::rawValue(table[i].first), table[i].second);
        EXPECT_EQ(tolvane::logLevelFromRaw(table[i].second), table[i].first);
    }
    for (const char* raw : {"warning", "WARNING", "", "Warn", "Warning "})
        EXPECT_EQ(tolvane::logLevelFromRaw(raw), std::nullopt) << raw;
}

TEST(LoggerTest, ComposesTheExactLineAndMapsLevelsToSystemTypes)
{
    testing_support::ScopedSystemLogCapture capture;
    tolvane::log(LogLevel::warning, "", "decodeAndBuffer(data:)", "/src/framework/Internal/Model/DataCoder.swift", 42);
    tolvane::log(LogLevel::trace, "m", "f()", "NoSlash.cpp", -1);
    ASSERT_EQ(capture->records.size(), 2u);
    EXPECT_EQ(capture->records[0].line, "[Warning] DataCoder.swift #42 decodeAndBuffer(data:): ");
    EXPECT_EQ(capture->records[0].type, foundation::SystemLogType::error);
    EXPECT_EQ(capture->records[0].category, "Standard");
    EXPECT_EQ(capture->records[1].line, "[Trace] NoSlash.cpp #-1 f(): m");
    EXPECT_EQ(capture->records[1].type, foundation::SystemLogType::debug);
}

TEST(LoggerTest, DisabledTypesAreNotWritten)
{
    testing_support::ScopedSystemLogCapture capture;
    capture->disabled = foundation::SystemLogType::debug;
    tolvane::log(LogLevel::trace, "dropped", "f()", "a.cpp", 1);
    tolvane::log(LogLevel::critical, "kept", "f()", "a.cpp", 1);
    ASSERT_EQ(capture->records.size(), 1u);
    EXPECT_EQ(capture->records[0].type, foundation::SystemLogType::fault);
}

} // namespace
