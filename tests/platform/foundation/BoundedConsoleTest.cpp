#include "foundation/BoundedConsole.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BoundedConsoleTest, AFloodIsCutToTheWindowsBudgetAndTheNextWindowSaysHowMuchWasLeftOut)
{
    foundation::VirtualTime time;
    std::string shown;
    foundation::BoundedConsole console(time, 10.0, 100, [&](std::string_view text) { shown += text; });

    // 75 s of 18-byte lines 16 a second, as a flooding peer's log lines would come, then a quiet moment.
    for (int i = 0; i < 1200; ++i) {
        console.write("flood line " + std::to_string(100000 + i) + "\n");
        time.advance(0.0625);
    }
    time.advance(10.0);
    console.write("the newest line\n");

    // Five lines per ten-second window, each later window led by one line on what it left out.
    EXPECT_LE(shown.size(), 9u * (100 + 80));
    EXPECT_NE(shown.find("flood line 100000\nflood line 100001\nflood line 100002\nflood line 100003\nflood line "
                         "100004\n2790 bytes of log lines were not echoed here; the log files keep them.\nflood line "
                         "100160\n"),
              std::string::npos)
        << shown;
    EXPECT_TRUE(shown.ends_with("were not echoed here; the log files keep them.\nthe newest line\n")) << shown;
}

TEST(BoundedConsoleTest, TextWithinTheBudgetIsShownAsItComes)
{
    foundation::VirtualTime time;
    std::string shown;
    foundation::BoundedConsole console(time, 10.0, 100, [&](std::string_view text) { shown += text; });
    console.write("one\n");
    time.advance(30.0);
    console.write("two\n");
    EXPECT_EQ(shown, "one\ntwo\n");
}

} // namespace
