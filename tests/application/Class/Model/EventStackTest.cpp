#include "Class/Model/DataController.h"
#include "Class/Model/EventStack.h"

#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using tolvane::app::EventCode;
using tolvane::app::EventStack;

// Records the close writes the stack makes.
class RecordingHistory final : public tolvane::app::IDataController {
public:
    struct Close {
        std::string id;
        EventCode code;
        std::string carName;
        bool operator==(const Close&) const = default;
    };

    bool closeHistory(const std::string& id, EventCode code, const std::string& carName) override
    {
        closes.push_back({id, code, carName});
        return true;
    }
    std::string insertHistory() override { return {}; }
    bool updateHistory(const std::string&, const std::string&, const std::string&) override { return false; }
    std::vector<tolvane::app::TolvaneControlHistory> fetchHistories(const FetchArguments&) override { return {}; }
    bool saveContext() override { return true; }
    int countHistories() override { return 0; }
    std::vector<tolvane::app::TolvaneControlHistory> fetchAllHistories() override { return {}; }
    bool deleteHistory(const std::string&) override { return false; }
    bool deleteHistories(const std::string&) override { return false; }

    std::vector<Close> closes;
};

TEST(EventStackTest, CodesKeepTheirOrderRawValuesAndPriorities)
{
    const auto& codes = foundation::allCases<EventCode>();
    ASSERT_EQ(codes.size(), 24u);
    const std::vector<std::pair<std::string, int>> expected = {
        {"N001", 6}, {"L001", 1}, {"L002", 2}, {"L003", 3}, {"E001", 5}, {"E002", 4}, {"E003", 5}, {"E004", 5},
        {"E005", 5}, {"E006", 4}, {"E007", 4}, {"E008", 4}, {"E009", 4}, {"E010", 5}, {"E011", 5}, {"E012", 5},
        {"E013", 5}, {"E014", 4}, {"E015", 5}, {"E016", 4}, {"E017", 4}, {"E018", 4}, {"E019", 4}, {"", 0}};
    for (size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(static_cast<size_t>(codes[i]), i);
        EXPECT_EQ(tolvane::app::rawValue(codes[i]), expected[i].first);
        EXPECT_EQ(foundation::fromRaw<EventCode>(expected[i].first), codes[i]);
        EXPECT_EQ(EventStack::priority(codes[i]), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(foundation::fromRaw<EventCode>("n001"), std::nullopt);
    EXPECT_EQ(foundation::fromRaw<EventCode>("E020"), std::nullopt);
}

TEST(EventStackTest, PushAndPopFollowThePrioritiesAndWriteTheTopOnEveryChange)
{
    enum class Operation { push, pop };
    struct Case {
        std::string name;
        std::vector<EventCode> before;
        Operation operation;
        EventCode code;
        std::vector<EventCode> after;
        std::optional<EventCode> written;
    };
    using enum EventCode;
    const std::vector<Case> cases = {
        {"first push", {}, Operation::push, E001, {E001}, E001},
        {"lower priority is ignored", {E003}, Operation::push, L001, {E003}, std::nullopt},
        {"higher priority goes on top", {L001}, Operation::push, E003, {L001, E003}, E003},
        {"pop below the top rewrites the top", {L001, E003}, Operation::pop, L001, {E003}, E003},
        {"pop of the last writes no reason", {L001}, Operation::pop, L001, {}, None},
        {"equal priority is accepted", {E001}, Operation::push, E010, {E001, E010}, E010},
        {"nothing covers a normal end", {N001}, Operation::push, E005, {N001}, std::nullopt},
        {"normal end covers everything", {L001, E003}, Operation::push, N001, {L001, E003, N001}, N001},
        {"the top again is written again", {E003}, Operation::push, E003, {E003}, E003},
        {"a code moves to the top, never twice", {E006, E007}, Operation::push, E006, {E007, E006}, E006},
        {"pop of a code never pushed", {E003}, Operation::pop, E006, {E003}, std::nullopt},
        {"pop on an empty stack", {}, Operation::pop, L001, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        RecordingHistory history;
        EventStack stack(history);
        stack.setStack(c.before);
        if (c.operation == Operation::push)
            stack.push("ROW", c.code, "My car");
        else
            stack.pop("ROW", c.code, "My car");
        EXPECT_EQ(stack.stack(), c.after) << c.name;
        const auto expected = c.written ? std::vector<RecordingHistory::Close>{{"ROW", *c.written, "My car"}}
                                        : std::vector<RecordingHistory::Close>{};
        EXPECT_EQ(history.closes, expected) << c.name;
    }
}

TEST(EventStackTest, TheRunsRowShowsTheTopReasonAndItsLatestCloseTime)
{
    QTemporaryDir folder;
    foundation::VirtualTime time;
    tolvane::app::DataController history(folder.path().toStdString(), time);
    EventStack stack(history);
    const std::string id = history.insertHistory();

    stack.push(id, EventCode::E003, "car");
    time.advance(10.0);
    stack.push(id, EventCode::L001, "car");
    auto row = history.fetchAllHistories().at(0);
    EXPECT_EQ(row.eventCode, "E003");
    EXPECT_EQ(row.closeDate, time.wallNow() - std::chrono::seconds(10));

    stack.setStack({EventCode::L001});
    stack.pop(id, EventCode::L001, "");
    row = history.fetchAllHistories().at(0);
    EXPECT_EQ(row.eventCode, "");
    EXPECT_EQ(row.closeDate, time.wallNow());
}

} // namespace
