// The stand-alone program from an empty data folder against the simulated unit, on a virtual X
// display, driven only by pointer events sent to its window from outside. Each row walks one road
// and waits on what can be observed: the router's log lines, the frames the unit reports reading,
// the window's pixels and the history the program keeps.

#include "EndToEndRig.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace standalone {
namespace {

// The router's line for a screen shown.
QRegularExpression screen(const QString& name) { return QRegularExpression("迁移到了" + name + "($|，)"); }

// A frame the unit read with a finger on the slider: the operation on and a point off the origin.
const QRegularExpression heldFrame("rx operation act=on btn=\\w+ (?!x=0 y=0 )x=\\d+ y=\\d+ ");
// The first frame after the finger is lifted: the point back at the origin.
const QRegularExpression releasedFrame("rx operation act=\\w+ btn=\\w+ x=0 y=0 ");

// Colours the screens settle on where the rig clicks.
const QColor buttonBlue(0x2f, 0x7d, 0xf6);
const QColor cardWhite(0xff, 0xff, 0xff);
const QColor touchBoxGrey(0x8a, 0x94, 0xa6);
const QColor startVehicleRed(0xff, 0x5a, 0x4e);
// A pop-up's face, a shade away from the screens' background, and the line between the two
// buttons of a pop-up that has two.
const QColor popupGrey(0xf2, 0xf2, 0xf2);
const QColor popupButtonLine(0xd9, 0xd9, 0xd9);
constexpr int kExactly = 2;

// The start button of a car that asks to park out is the red "Start vehicle", of any other the
// blue "Continue".
QColor startButtonOf(std::string_view scenario) { return scenario == "park-out" ? startVehicleRed : buttonBlue; }

// Where the rig taps on the screens and pop-ups it meets.
const QPoint powerButton{316, 69};
const QPoint backwardButton{30, 250};
const QPoint turnTheVehicleOff{90, 412};
const QPoint stopConfirmationOk{256, 493};
const QPoint timeOutOk{133, 473};
const QPoint haltPopupFace{84, 340};

// One road: the unit's scenario, the point of the plan to choose (when the car offers a choice
// and recommends none), whether the link drops while the slider is held, the screen it ends on and
// the code its history row is closed with there (none where the run goes on on that screen).
struct Road {
    const char* name;
    const char* scenario;
    std::optional<QPoint> planChoice;
    bool dropWhileHolding;
    const char* closingScreen;
    const char* historyCode;
};

void PrintTo(const Road& road, std::ostream* out) { *out << road.name; }

// The program from a first start against the unit started with the options a road gives.
class StandaloneRoad : public ::testing::Test {
protected:
    enum class Start { first, registered };

    void start(const QStringList& unitOptions, Start startAs = Start::first)
    {
        ASSERT_TRUE(folder_.isValid());
        if (startAs == Start::registered)
            registerTheUnitBeforeTheStart();
        ASSERT_FALSE(display_.name() == ":") << "Xvfb did not start";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("DISPLAY", display_.name());
        environment.insert("TOLVANE_DATA_DIR", dataFolder());
        environment.insert("TOLVANE_ACCESSORY_DIR", folder_.filePath("accessories"));
        environment.insert("XDG_RUNTIME_DIR", folder_.path());
        environment.insert("TOLVANE_NMEA_LOG", TOLVANE_NMEA_DRIVE);
        environment.insert("TOLVANE_LOCATION_AUTHORIZATION", "authorizedWhenInUse");
        unit_ = std::make_unique<WatchedProcess>(TOLVANE_VEHICLE_SIM, QStringList{"--dir", folder_.filePath("accessories")} + unitOptions,
                                                 environment, folder_.filePath("unit.log"));
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression("unit VIN0001 ready"))) << unit_->allOutput().toStdString();
        program_ = std::make_unique<WatchedProcess>(TOLVANE_PROGRAM, QStringList{}, environment, folder_.filePath("program.log"));
        ASSERT_TRUE(window_.findWindow("Tolvane Control")) << program_->allOutput().toStdString();
    }

    void TearDown() override
    {
        // A failed road keeps the program's and the unit's whole output and its data folder.
        if (HasFailure()) {
            folder_.setAutoRemove(false);
            std::printf("output and data kept in %s\n", qPrintable(folder_.path()));
        }
    }

    QString dataFolder() const { return folder_.filePath("data"); }

    void waitForScreen(const QString& name)
    {
        ASSERT_TRUE(program_->waitForLine(screen(name))) << name.toStdString() << "\n" << program_->allOutput().toStdString();
    }

    // Clicks once the screen has settled where the rig is about to click: a click while a screen
    // still slides in can be lost with the screen it opens.
    void clickWhen(QPoint point, QColor colour)
    {
        ASSERT_TRUE(window_.waitForColour(point.x(), point.y(), colour)) << "nothing to click at " << point.x() << "," << point.y();
        ASSERT_TRUE(window_.waitForStill(QRect(0, point.y() - 4, 390, 8))) << "the screen does not come to rest";
        window_.click(point.x(), point.y());
    }

    void waitForUnit(const QString& line)
    {
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression(line))) << line.toStdString() << "\n" << unit_->allOutput().toStdString();
    }

    // Clicks a button of the pop-up that has just come up: one with two buttons shows the line
    // between them.
    void clickPopup(QPoint point, int buttons, int patienceMs = kPatienceMs)
    {
        const QPoint face = buttons == 2 ? QPoint(195, point.y() + 8) : point;
        ASSERT_TRUE(window_.waitForColour(face.x(), face.y(), buttons == 2 ? popupButtonLine : popupGrey, kExactly, patienceMs))
            << "no pop-up at " << point.x() << "," << point.y();
        ASSERT_NO_FATAL_FAILURE(clickWhen(point, popupGrey));
    }

    void tap(const QString& name, QPoint point, QColor colour = buttonBlue)
    {
        ASSERT_NO_FATAL_FAILURE(waitForScreen(name));
        ASSERT_NO_FATAL_FAILURE(clickWhen(point, colour));
    }

    // The first-run tutorial, registering the unit, the disclaimer, the touch test and the start, up
    // to the plan.
    void walkToThePlan(QColor startButton)
    {
        ASSERT_NO_FATAL_FAILURE(pageThroughTheFirstTutorial());
        ASSERT_NO_FATAL_FAILURE(tap("firstRegistration", {100, 696}));
        ASSERT_NO_FATAL_FAILURE(tap("registrationDevices", {195, 307}, cardWhite));
        ASSERT_NO_FATAL_FAILURE(tap("connectionCompletionForRegistration", {100, 760}));
        ASSERT_NO_FATAL_FAILURE(tap("registration", {100, 760}));
        ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan(startButton));
    }

    // A later start: the car registered and the first-run tutorial seen, as a first run leaves
    // them. Every start goes on from the terms of use.
    void registerTheUnitBeforeTheStart()
    {
        QDir().mkpath(dataFolder());
        QSettings settings(dataFolder() + "/TolvaneControl.ini", QSettings::IniFormat);
        settings.setValue("TolvaneControl_CarRecords",
                          R"({"CarRecords":[{"CarID":"VIN0001","CarImagePath":"","CarName":"Tolvane Vehicle Unit",)"
                          R"("CreateDate":"2026/01/01 00:00:00","UpdateDate":"2026/01/01 00:00:00"}]})");
        settings.setValue("TolvaneControl_shouldShowFirstTutorial", false);
    }

    // The terms of use, the touch test and the start, up to the plan.
    void walkFromTheTermsToThePlan(QColor startButton = buttonBlue)
    {
        ASSERT_NO_FATAL_FAILURE(tap("disclaimer", {230, 674}));
        ASSERT_NO_FATAL_FAILURE(waitForScreen("touchPreConfirmation"));
        ASSERT_TRUE(window_.waitForColour(195, 628, touchBoxGrey));
        ASSERT_TRUE(window_.waitForStill(QRect(135, 570, 117, 117)));
        scratchTheTouchBox();
        ASSERT_NO_FATAL_FAILURE(tap("activation", {100, 696}, startButton));
    }

    // Swipes to the last page, the one with the start button, and presses it.
    void pageThroughTheFirstTutorial()
    {
        ASSERT_NO_FATAL_FAILURE(waitForScreen("firstTutorialFlow"));
        const QPoint start{100, 766};
        for (int page = 1; page < 10 && !window_.waitForColour(start.x(), start.y(), buttonBlue, 24, 0); ++page) {
            ASSERT_TRUE(window_.waitForStill(QRect(0, 496, 390, 8))) << "the tutorial's page does not come to rest";
            window_.stroke({{340, 500}, {300, 500}, {200, 500}, {100, 500}, {40, 500}});
        }
        ASSERT_NO_FATAL_FAILURE(clickWhen(start, buttonBlue));
    }

    // One finger back and forth over the whole grey box.
    void scratchTheTouchBox() const
    {
        QList<QPoint> path;
        for (int y = 572; y <= 686; y += 6)
            for (int x = 138; x <= 250; x += 10)
                path.append({x, y});
        window_.stroke(path);
    }

    // From the plan to the operating screen with the car moving under the finger, which stays down.
    void driveFromThePlan(const char* scenario, std::optional<QPoint> planChoice = std::nullopt)
    {
        ASSERT_NO_FATAL_FAILURE(waitForScreen("planConfirmation"));
        if (planChoice) {
            ASSERT_NO_FATAL_FAILURE(clickWhen(*planChoice, buttonBlue));
        }
        ASSERT_NO_FATAL_FAILURE(clickWhen({200, 766}, buttonBlue));
        ASSERT_NO_FATAL_FAILURE(waitForScreen("operating"));
        ASSERT_TRUE(window_.waitForColour(175, 771, buttonBlue)) << "no slider";
        ASSERT_TRUE(window_.waitForStill(QRect(0, 767, 390, 8))) << "the slider does not come to rest";
        holdSlider();
        ASSERT_TRUE(unit_->waitForLine(heldFrame)) << unit_->allOutput().toStdString();
        ASSERT_NO_FATAL_FAILURE(waitForUnit(QString("csr_request %1 operating dist=\\d+ held").arg(scenario)));
    }

    void letGo()
    {
        window_.release();
        ASSERT_TRUE(unit_->waitForLine(releasedFrame)) << unit_->allOutput().toStdString();
    }

    // The finger on the slider's knob, dragged up onto the marked area and kept there.
    void holdSlider() const
    {
        window_.press(195, 771);
        for (const int y : {740, 700, 660, 630})
            window_.moveTo(195, y);
    }

    // The code of the newest history row once it is closed. Read from a copy of the store: a reader
    // of the store itself holds a lock the program's own writes fail on ("database is locked").
    std::optional<QString> closedHistoryCode() const
    {
        const QString copy = folder_.filePath("history-copy.sqlite");
        QFile::remove(copy);
        if (!QFile::copy(dataFolder() + "/TolvaneControl.sqlite", copy))
            return std::nullopt;
        const QString connection = "history";
        std::optional<QString> code;
        {
            QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", connection);
            database.setDatabaseName(copy);
            if (database.open()) {
                QSqlQuery query("SELECT eventCode FROM TolvaneControlHistory WHERE closeDate IS NOT NULL "
                                "ORDER BY launchDate DESC LIMIT 1",
                                database);
                if (query.next())
                    code = query.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase(connection);
        return code;
    }

    QTemporaryDir folder_;
    VirtualDisplay display_;
    WindowDriver window_{display_.name()};
    std::unique_ptr<WatchedProcess> unit_;
    std::unique_ptr<WatchedProcess> program_;
};

class WholeRoad : public StandaloneRoad, public ::testing::WithParamInterface<Road> {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(start({"--scenario", GetParam().scenario})); }
};

TEST_P(WholeRoad, FromAFirstStartToTheClosingScreen)
{
    const Road& road = GetParam();
    ASSERT_NO_FATAL_FAILURE(walkToThePlan(startButtonOf(road.scenario)));
    ASSERT_NO_FATAL_FAILURE(driveFromThePlan(road.scenario, road.planChoice));
    if (road.dropWhileHolding) {
        // The finger stays down: the new link must still get no held point, and the car stands.
        unit_->write("drop");
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression("link: dropped by the unit")));
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression("halt BT_LOSS"))) << unit_->allOutput().toStdString();
        ASSERT_TRUE(unit_->waitForLine(QRegularExpression("link: phone connected"))) << unit_->allOutput().toStdString();
        ASSERT_TRUE(unit_->waitForLine(releasedFrame)) << unit_->allOutput().toStdString();
        EXPECT_FALSE(unit_->waitForLine(heldFrame, 2000)) << "the car was driven on after the link dropped";
        window_.release();
        return;
    }
    ASSERT_NO_FATAL_FAILURE(letGo());

    holdSlider();
    ASSERT_TRUE(program_->waitForLine(screen(road.closingScreen))) << program_->allOutput().toStdString();
    window_.release();
    if (!road.historyCode)
        return;

    std::optional<QString> code;
    for (const QDeadlineTimer deadline(kPatienceMs); !code && !deadline.hasExpired(); QThread::msleep(200))
        code = closedHistoryCode();
    EXPECT_EQ(code.value_or("not closed").toStdString(), road.historyCode);
}

const QPoint forwardExit{195, 235};

INSTANTIATE_TEST_SUITE_P(Roads, WholeRoad,
                         ::testing::Values(Road{"park_in", "park-in", {}, false, "parkInCompleted", "N001"},
                                           Road{"park_out", "park-out", forwardExit, false, "parkOutCompleted", "N001"},
                                           Road{"forward_backward", "forward-backward", {}, false, "arrival", nullptr}),
                         [](const ::testing::TestParamInfo<Road>& info) { return std::string(info.param.name); });

// A link that drops while the slider is held: the car halts and the program, linked again at once,
// sends it no held point until the finger presses again.
INSTANTIATE_TEST_SUITE_P(LinkFaults, WholeRoad,
                         ::testing::Values(Road{"dropped_link", "park-in", {}, true, "operating", nullptr}),
                         [](const ::testing::TestParamInfo<Road>& info) { return std::string(info.param.name); });

// The power button while the car stands: it stops and asks whether to resume, and turning the
// vehicle off there, confirmed, stops it and ends the run.
TEST_F(StandaloneRoad, ThePowerButtonInterruptsAndTurningTheVehicleOffEndsTheRun)
{
    ASSERT_NO_FATAL_FAILURE(start({"--scenario", "park-in"}, Start::registered));
    ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan());
    ASSERT_NO_FATAL_FAILURE(driveFromThePlan("park-in"));
    ASSERT_NO_FATAL_FAILURE(letGo());
    window_.click(powerButton.x(), powerButton.y());
    ASSERT_NO_FATAL_FAILURE(waitForUnit("car: interrupt requested"));
    ASSERT_NO_FATAL_FAILURE(clickPopup(turnTheVehicleOff, 3));
    ASSERT_NO_FATAL_FAILURE(clickPopup(stopConfirmationOk, 2));
    ASSERT_NO_FATAL_FAILURE(waitForUnit("car: end requested"));
    ASSERT_NO_FATAL_FAILURE(waitForScreen("warn，CauseId => USER_SELF"));
    ASSERT_NO_FATAL_FAILURE(waitForUnit("link: the car ends the session"));
}

// Let go after moving forward, the car offers the other direction; the switch turns it and it
// moves on backward to its end.
TEST_F(StandaloneRoad, TheDirectionSwitchTurnsTheCarBetweenHolds)
{
    ASSERT_NO_FATAL_FAILURE(start({"--scenario", "forward-backward"}, Start::registered));
    ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan());
    ASSERT_NO_FATAL_FAILURE(driveFromThePlan("forward-backward"));
    ASSERT_NO_FATAL_FAILURE(letGo());
    ASSERT_NO_FATAL_FAILURE(clickWhen(backwardButton, buttonBlue));
    ASSERT_NO_FATAL_FAILURE(waitForUnit("car: direction switch: the car turns backward"));
    holdSlider();
    ASSERT_NO_FATAL_FAILURE(waitForUnit("csr_request forward-backward operating dist=\\d+ held"));
    ASSERT_NO_FATAL_FAILURE(waitForScreen("arrival"));
    window_.release();
}

// A unit that stops reading while the finger holds the slider: once frames have waited 3 s for it
// the phone counts the link as lost, halts with the lost link's pop-up within the watchdog's 3 s and
// ends the run on its end screen 30 s after the halt.
TEST_F(StandaloneRoad, AUnitThatStopsReadingWhileHoldingHaltsAndEndsTheRunAsALostLink)
{
    constexpr int kWatchdogMs = 3000;
    constexpr int kHaltToEndMs = 30000;
    ASSERT_NO_FATAL_FAILURE(start({"--scenario", "park-in"}, Start::registered));
    ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan());
    ASSERT_NO_FATAL_FAILURE(driveFromThePlan("park-in"));
    unit_->write("fault stall on");
    ASSERT_TRUE(program_->waitForLine(QRegularExpression("The terminal reads nothing; the link counts as stalled\\.")))
        << program_->allOutput().toStdString();
    ASSERT_TRUE(window_.waitForColour(haltPopupFace.x(), haltPopupFace.y(), popupGrey, kExactly, kWatchdogMs + 1000))
        << "no halt pop-up within the watchdog's time";
    ASSERT_TRUE(program_->waitForLine(screen("warn，CauseId => BT_LOSS"), kHaltToEndMs + kPatienceMs))
        << program_->allOutput().toStdString();
    window_.release();
}

// A car whose counter stops while the finger holds the slider: after 3 s of it the phone halts with
// the pop-up, which takes the held point off the link although the finger stays down, and 3 s after
// the halt it ends the run on the counter's end screen. The car drives long enough to be still moving.
TEST_F(StandaloneRoad, AFrozenVehicleCounterWhileHoldingHaltsTheCarAndEndsTheRun)
{
    constexpr int kFixedToHaltMs = 3000;
    constexpr int kHaltToEndMs = 3000;
    ASSERT_NO_FATAL_FAILURE(start({"--scenario", "park-in", "--drive", "60"}, Start::registered));
    ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan());
    ASSERT_NO_FATAL_FAILURE(driveFromThePlan("park-in"));
    unit_->write("fault frozen-counter on");
    // The halt without buttons is a shorter pop-up than the lost link's.
    const QPoint buttonlessHaltFace{84, 360};
    ASSERT_TRUE(window_.waitForColour(buttonlessHaltFace.x(), buttonlessHaltFace.y(), popupGrey, kExactly, kFixedToHaltMs + 1000))
        << "no halt pop-up within 3 s of a fixed counter";
    ASSERT_TRUE(unit_->waitForLine(releasedFrame)) << "the unit reads no released frame under the halt\n" << unit_->allOutput().toStdString();
    ASSERT_TRUE(program_->waitForLine(screen("warn，CauseId => COUNTER_ANOMALY"), kHaltToEndMs + kPatienceMs))
        << program_->allOutput().toStdString();
    const QStringList unitLines = unit_->allOutput().split('\n');
    const auto faulted = std::find_if(unitLines.begin(), unitLines.end(),
                                      [](const QString& line) { return line.contains("fault frozen-counter on"); });
    const auto firstReleased = std::find_if(faulted, unitLines.end(),
                                            [](const QString& line) { return releasedFrame.match(line).hasMatch(); });
    EXPECT_TRUE(std::none_of(firstReleased, unitLines.end(), [](const QString& line) { return heldFrame.match(line).hasMatch(); }))
        << "a held frame after the halt";
    window_.release();
}

// A car that senses longer than the phone waits: the waiting screen times out, and OK goes back
// to the start of the run.
TEST_F(StandaloneRoad, TheRequestIdWaitingTimesOutAndOkGoesBackToTheStart)
{
    constexpr int kWaitingTimeOutMs = 30000;
    ASSERT_NO_FATAL_FAILURE(start({"--scenario", "park-in", "--sensing", "40"}, Start::registered));
    ASSERT_NO_FATAL_FAILURE(walkFromTheTermsToThePlan());
    ASSERT_NO_FATAL_FAILURE(waitForUnit("car: start requested: the car senses"));
    ASSERT_NO_FATAL_FAILURE(waitForScreen("requestIdWaiting"));
    ASSERT_NO_FATAL_FAILURE(clickPopup(timeOutOk, 2, kWaitingTimeOutMs + kPatienceMs));
    ASSERT_NO_FATAL_FAILURE(waitForScreen("activation"));
}

} // namespace
} // namespace standalone
