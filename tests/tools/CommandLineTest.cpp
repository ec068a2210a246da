#include "vehicle-sim/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The text of one entry of the help: from its name to the next entry or heading.
std::string entry(const std::string& help, const std::string& name)
{
    const auto start = help.find("\n  " + name);
    if (start == std::string::npos)
        return {};
    auto end = start + 1;
    do
        end = help.find('\n', end + 1);
    while (end != std::string::npos && help.compare(end + 1, 3, "   ") == 0);
    return help.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

TEST(CommandLineTest, TheHelpShowsAnExampleOfEveryRoadAndEndsWithANewline)
{
    const std::string help = vehiclesim::usage();
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.back(), '\n');
    const std::string answers = help.substr(help.find("How the car answers the phone"));
    for (const char* option : {"--sensing SECONDS", "--keep-session SECONDS", "--control-timeout SECONDS"}) {
        const std::string text = entry(help, option);
        ASSERT_FALSE(text.empty()) << option;
        EXPECT_NE(text.find("e.g. vehicle-sim"), std::string::npos) << text;
    }
    for (const char* road : {"start switch", "plan choice", "direction switch", "interrupt", "resume", "end half-way", "end  "}) {
        const std::string text = entry(answers, road);
        ASSERT_FALSE(text.empty()) << road;
        EXPECT_NE(text.find("e.g. vehicle-sim"), std::string::npos) << text;
    }
}

} // namespace
