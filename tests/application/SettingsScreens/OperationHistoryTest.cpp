#include "MenuScreensTest.h"

#include "Class/UI/OperationHistory/View/OperationHistoryCell.h"
#include "Class/UI/OperationHistory/View/OperationHistoryRowPresenter.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"

#include "foundation/Locale.h"
#include "foundation/TimeZone.h"
#include "ui/Label.h"

#include <chrono>

namespace screen_testing {
namespace {

using namespace std::chrono;
using Texts = std::vector<std::string>;

foundation::Date at(sys_days day, hours hour, minutes minute = minutes{0})
{
    return foundation::Date(duration_cast<foundation::Date::duration>(day.time_since_epoch() + hour + minute));
}

class OperationHistoryTest : public MenuScreensTest {
protected:
    OperationHistoryTest() { foundation::Locale::setCurrentIdentifier("en_US"); }
    ~OperationHistoryTest() override
    {
        foundation::Locale::setCurrentIdentifier(std::nullopt);
        foundation::TimeZone::setDefault(std::nullopt);
    }

    // A run started at `start` in `zone`, closed with `code` an hour later (empty: never closed).
    std::string run(foundation::Date start, const std::string& zone, const std::string& deviceId, std::optional<EventCode> code)
    {
        foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier(zone));
        time.setWallStart(start);
        const std::string id = history->insertHistory();
        history->updateHistory(id, deviceId, "");
        if (code) {
            time.setWallStart(start + hours{1});
            history->closeHistory(id, *code, "");
        }
        return id;
    }

    std::vector<std::string> shownIds()
    {
        auto viewModel = make<OperationHistoryViewModel>(history);
        viewModel->loadOperationHistories();
        std::vector<std::string> ids;
        for (const auto& row : viewModel->operationHistoryList().value())
            ids.push_back(row.id);
        return ids;
    }

    OperationHistoryRowPresenter presenter;
};

TEST_F(OperationHistoryTest, TheNewest150PastRunsAreListedWithoutTheRunUnderWay)
{
    std::vector<std::string> ids;
    for (int day = 0; day < 151; ++day)
        ids.push_back(run(at(sys_days{2026y / 1 / 1} + days{day}, hours{9}), "Asia/Tokyo", "VIN0001", EventCode::N001));
    currentHistoryId().set(run(at(sys_days{2026y / 12 / 1}, hours{9}), "Asia/Tokyo", "VIN0001", std::nullopt));

    const auto shown = shownIds();
    ASSERT_EQ(shown.size(), 150u);
    EXPECT_EQ(shown.front(), ids.back()) << "newest first";
    EXPECT_EQ(shown.back(), ids[1]) << "the oldest run drops out";
}

TEST_F(OperationHistoryTest, BeforeThisRunHasARowEveryPastRunIsListed)
{
    run(at(sys_days{2026y / 3 / 1}, hours{9}), "Asia/Tokyo", "VIN0001", EventCode::N001);
    run(at(sys_days{2026y / 3 / 2}, hours{9}), "Asia/Tokyo", "VIN0001", EventCode::E003);
    currentHistoryId().set("");
    EXPECT_EQ(shownIds().size(), 2u);
}

TEST_F(OperationHistoryTest, RunsInTwoZonesSortByTheirLocalStartAndShowTheirOwnClock)
{
    // 10:00 in Tokyo is 01:00 UTC; 08:00 in Berlin is 07:00 UTC, later in absolute time, earlier on its clock.
    const std::string tokyo = run(at(sys_days{2026y / 3 / 5}, hours{1}), "Asia/Tokyo", "VIN0001", EventCode::N001);
    const std::string berlin = run(at(sys_days{2026y / 3 / 5}, hours{7}), "Europe/Berlin", "VIN0001", EventCode::N001);
    auto viewModel = make<OperationHistoryViewModel>(history);
    viewModel->loadOperationHistories();
    const auto& rows = viewModel->operationHistoryList().value();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, tokyo);
    EXPECT_EQ(rows[1].id, berlin);
    EXPECT_EQ(presenter.texts(rows[0], {}).startDate, "3/5/2026, 10:00");
    EXPECT_EQ(presenter.texts(rows[0], {}).endDate, "3/5/2026, 11:00");
    EXPECT_EQ(presenter.texts(rows[1], {}).startDate, "3/5/2026, 08:00");
}

TEST_F(OperationHistoryTest, EachEndShowsItsResultAndReason)
{
    const std::vector<CarRecord> cars{{.CarID = "VIN0001", .CarName = "Family car"}, {.CarID = "VIN0002", .CarName = ""}};
    const auto start = at(sys_days{2026y / 3 / 5}, hours{14}, minutes{30});
    const struct {
        std::optional<EventCode> code;
        std::string deviceId;
        OperationHistoryRowPresenter::Texts texts;
    } cases[] = {
        {EventCode::N001, "VIN0001",
         {"3/5/2026 Family car", "Tolvane successful completion", "3/5/2026, 14:30", "Start time 1.0.0", "3/5/2026, 15:30", "Normal termination"}},
        {std::nullopt, "VIN0001",
         {"3/5/2026 Family car", "Tolvane abnormal termination", "3/5/2026, 14:30", "Start time 1.0.0", "- ",
          "There was an issue processing your request"}},
        {EventCode::E008, "VIN0002",
         {"3/5/2026 -", "Tolvane abnormal termination", "3/5/2026, 14:30", "Start time 1.0.0", "3/5/2026, 15:30",
          "Terminated because the Bluetooth communications data from the vehicle was invalid"}},
        {EventCode::E009, "VIN0404",
         {"3/5/2026 -", "Tolvane abnormal termination", "3/5/2026, 14:30", "Start time 1.0.0", "3/5/2026, 15:30",
          "Terminated because the Bluetooth communications data from the vehicle was invalid"}},
        {EventCode::E015, "VIN0001",
         {"3/5/2026 Family car", "Tolvane abnormal termination", "3/5/2026, 14:30", "Start time 1.0.0", "3/5/2026, 15:30",
          "Terminated due to a system error on the vehicle side (code 05).\nor\nCannot start because the vehicle's power status is invalid."}},
    };
    for (const auto& c : cases) {
        const std::string id = run(start, "Europe/London", c.deviceId, c.code);
        const auto rows = history->fetchHistories({.limit = 150});
        const auto row = std::find_if(rows.begin(), rows.end(), [&id](const auto& entry) { return entry.id == id; });
        ASSERT_NE(row, rows.end());
        EXPECT_EQ(presenter.texts(*row, cars), c.texts) << (c.code ? std::string(rawValue(*c.code)) : "open");
    }
}

TEST_F(OperationHistoryTest, TheTimeIsAlwaysOnThe24HourClockAfterTheDateCutAtItsFirstBlank)
{
    foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("UTC"));
    const auto afternoon = at(sys_days{2026y / 3 / 5}, hours{15}, minutes{4});
    const struct {
        const char* locale;
        std::string text;
    } cases[] = {
        {"en_US", "3/5/2026, 15:04"},
        {"en_GB", "05/03/2026, 15:04"},
        {"ja_JP", "2026/3/5 15:04"},
        {"ko_KR", "2026. 15:04"},
    };
    for (const auto& c : cases) {
        foundation::Locale::setCurrentIdentifier(c.locale);
        OperationHistoryRowPresenter localPresenter;
        EXPECT_EQ(localPresenter.formatDate(afternoon), c.text) << c.locale;
    }
}

TEST(OperationHistoryCellTest, ARowReadsFromStartToEndAndKeepsItsReasonOffTheSeparator)
{
    // A row is 130 points of the 926-point design high: on each screen the layout tests use.
    for (const double screenHeight : {667.0, 844.0, 926.0}) {
        SCOPED_TRACE(screenHeight);
        OperationHistoryCell cell;
        cell.setFrame({0, 0, 390, 130.0 / 926.0 * screenHeight});
        cell.carNameLabel->setText("3/5/2026Family car");
        cell.resultLabel->setText("Tolvane abnormal termination");
        cell.startDateLabel->setText("3/5/2026, 15:00");
        cell.startLabel->setText("Start time 1.0.0");
        cell.endDateLabel->setText("3/5/2026, 15:12");
        cell.endEventLabel->setText(
            "Terminated due to a system error on the vehicle side (code 05).\nor\nCannot start because the vehicle's power status is invalid.");
        cell.layoutIfNeeded();
        auto frameOf = [&cell](const std::shared_ptr<ui::Label>& label) { return label->convert(label->bounds(), &cell); };

        // The start's caption above the span, and the end time on the span's line after the start time.
        EXPECT_LE(frameOf(cell.startLabel).maxY(), frameOf(cell.startDateLabel).minY());
        EXPECT_EQ(frameOf(cell.endDateLabel).minY(), frameOf(cell.startDateLabel).minY());
        EXPECT_GE(frameOf(cell.endDateLabel).minX(), frameOf(cell.startDateLabel).minX() + cell.startDateLabel->sizeThatFits({390, 20}).width);
        EXPECT_GE(frameOf(cell.startDateLabel).width(), cell.startDateLabel->sizeThatFits({390, 20}).width);
        // Each label shows whole lines, and the last ends clear of the separator.
        for (const auto& label : {cell.carNameLabel, cell.resultLabel, cell.startLabel, cell.startDateLabel, cell.endDateLabel, cell.endEventLabel})
            EXPECT_GE(frameOf(label).height(), label->font().lineHeight() - 0.5) << label->text().value_or("");
        EXPECT_LE(frameOf(cell.endEventLabel).maxY(), cell.bounds().height() - 4);
    }
}

} // namespace
} // namespace screen_testing
