// The stand-alone program from an empty data folder against the simulated unit, on a virtual X
// display, driven only by pointer events sent to its window from outside. Each row walks one road
// and waits on what can be observed: the router's log lines, the frames the unit reports reading,
// and the window's pixels.

#include "EndToEndRig.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace standalone {
namespace {

class EndToEnd : public ::testing::Test {
protected:
    void start(const QString& scenario)
    {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_FALSE(display_.name() == ":") << "Xvfb did not start";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("DISPLAY", display_.name());
        environment.insert("TOLVANE_DATA_DIR", folder_.filePath("data"));
        environment.insert("TOLVANE_ACCESSORY_DIR", folder_.filePath("accessories"));
        environment.insert("XDG_RUNTIME_DIR", folder_.path());
        environment.insert("TOLVANE_NMEA_LOG", TOLVANE_NMEA_DRIVE);
        environment.insert("TOLVANE_LOCATION_AUTHORIZATION", "authorizedWhenInUse");
        environment.insert("TOLVANE_OPEN_SCREEN", "Warn:VEHICLE_FAIL_OUT");
        unit_ = std::make_unique<WatchedProcess>(TOLVANE_VEHICLE_SIM, QStringList{"--dir", folder_.filePath("accessories"), "--scenario", scenario},
                                                 environment);
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression("unit VIN0001 ready"))) << unit_->allOutput().toStdString();
        program_ = std::make_unique<WatchedProcess>(TOLVANE_PROGRAM, QStringList{}, environment);
        ASSERT_TRUE(window_.findWindow("Tolvane Control")) << program_->allOutput().toStdString();
    }

    QTemporaryDir folder_;
    VirtualDisplay display_;
    WindowDriver window_{display_.name()};
    std::unique_ptr<WatchedProcess> unit_;
    std::unique_ptr<WatchedProcess> program_;
};

TEST_F(EndToEnd, Explore)
{
    start("park-in");
    ASSERT_TRUE(program_->waitForLine(QRegularExpression("applicationDidBecomeActive")));
    EXPECT_TRUE(window_.waitForColour(10, 10, QColor(30, 38, 52), 40, 10000));
    window_.picture().save("/tmp/S-run/e2e-first.png");
    window_.click(360, 69);
    const auto line = program_->waitForLine(QRegularExpression("etting"), 10000);
    EXPECT_TRUE(line) << program_->allOutput().toStdString();
    if (line) std::printf("LINE %s\n", line->toStdString().c_str());
    window_.picture().save("/tmp/S-run/e2e-after.png");
}

} // namespace
} // namespace standalone
