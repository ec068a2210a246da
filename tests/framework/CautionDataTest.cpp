#include "Internal/Model/CautionData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using namespace tolvane;
using C = InternalCause;

enum class Op { add, remove, updateCauseId, resetCauseId, initParam };

struct Step {
    Op op;
    C cause = C::def;
};

Step add(C cause)
{
    return {Op::add, cause};
}

Step remove(C cause)
{
    return {Op::remove, cause};
}

void apply(CautionData& store, const Step& step)
{
    switch (step.op) {
    case Op::add: store.addCause(step.cause); break;
    case Op::remove: store.removeCause(step.cause); break;
    case Op::updateCauseId: store.updateCauseId(); break;
    case Op::resetCauseId: store.resetCauseId(); break;
    case Op::initParam: store.initParam(); break;
    }
}

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    std::optional<C> top;
    std::vector<CauseId> held = {};
    std::vector<CauseId> notHeld = {};
};

TEST(CautionDataTest, RanksTheHeldCauses)
{
    const std::vector<Scenario> scenarios = {
        {"nothing held", {}, std::nullopt, {}, {CauseId::DEF, CauseId::BREAK_TIMEOUT, CauseId::BT_LOSS}},
        {"a STOP cause outranks a HALT cause", {add(C::outArea), add(C::lowBattery)}, C::lowBattery},
        {"whatever their priorities", {add(C::outArea), add(C::lowBattery), add(C::keysNoDetect)}, C::lowBattery},
        {"a low STOP outranks the most urgent HALT", {add(C::deadLock), add(C::haltBtOff)}, C::deadLock},
        {"the more urgent of two HALT causes", {add(C::keysNoDetect), add(C::outArea)}, C::keysNoDetect},
        {"of equal priority the newer", {add(C::stopReqBtLoss), add(C::stopVerificationBtLoss)}, C::stopVerificationBtLoss},
        {"adding again moves a cause to the front", {add(C::openDoor), add(C::byDrive), add(C::openDoor)}, C::openDoor},
        {"adding the top cause again changes nothing", {add(C::openDoor), add(C::byDrive), add(C::byDrive)}, C::byDrive},
        {"a cause without a screen never ranks", {add(C::def)}, std::nullopt, {CauseId::DEF}},
        {"break timeout raises its flag over a less urgent top",
         {add(C::outArea), add(C::breakTimeout)},
         C::breakTimeout,
         {CauseId::OUT_AREA},
         {CauseId::BREAK_TIMEOUT}},
        {"break timeout raises its flag with nothing held", {add(C::breakTimeout)}, C::breakTimeout},
        {"break timeout raises its flag over a STOP of priority 10", {add(C::deadLock), add(C::breakTimeout)}, C::breakTimeout},
        {"a cause of priority 12 ends the break timeout",
         {add(C::outArea), add(C::breakTimeout), add(C::losePath)},
         C::losePath},
        {"a cause of priority 16 leaves the break timeout on top",
         {add(C::outArea), add(C::breakTimeout), add(C::canLoss)},
         C::breakTimeout},
        {"a HALT cause of priority 8 also ends the break timeout",
         {add(C::outArea), add(C::breakTimeout), add(C::haltCounterAnomaly)},
         C::haltCounterAnomaly},
        {"below a more urgent top, break timeout joins the list",
         {add(C::stopChecksumAnomaly), add(C::breakTimeout)},
         C::stopChecksumAnomaly,
         {CauseId::BREAK_TIMEOUT, CauseId::CHECKSUM_ANOMALY}},
        {"a STOP cause is not withdrawn", {add(C::lowBattery), remove(C::lowBattery)}, C::lowBattery},
        {"the break timeout is not withdrawn", {add(C::breakTimeout), remove(C::breakTimeout)}, C::breakTimeout},
        {"a HALT cause is withdrawn", {add(C::outArea), add(C::openDoor), remove(C::openDoor)}, C::outArea},
        {"withdrawing a HALT cause not held is harmless", {add(C::outArea), remove(C::openDoor)}, C::outArea},
        {"any link loss holds BT_LOSS", {add(C::stopVerificationBtLoss)}, C::stopVerificationBtLoss, {CauseId::BT_LOSS}},
        {"hiding the cause forgets nothing", {add(C::outArea), {Op::resetCauseId}}, C::outArea, {CauseId::OUT_AREA}},
        {"a reset forgets every cause and the flag",
         {add(C::lowBattery), add(C::outArea), add(C::breakTimeout), {Op::initParam}},
         std::nullopt,
         {},
         {CauseId::LOW_BATTERY, CauseId::OUT_AREA}},
    };
    for (const auto& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        CautionData store;
        for (const auto& step : scenario.steps)
            apply(store, step);
        EXPECT_EQ(store.topCause(), scenario.top);
        for (CauseId id : scenario.held)
            EXPECT_TRUE(store.hasCause(id)) << static_cast<int>(id);
        for (CauseId id : scenario.notHeld)
            EXPECT_FALSE(store.hasCause(id)) << static_cast<int>(id);
    }
}

class CausePublishing : public testing::Test {
protected:
    CausePublishing() : subscription_(store.cause().sink([this](CauseId id) { received.push_back(id); })) {}

    CautionData store;
    std::vector<CauseId> received;

private:
    rx::Cancellable subscription_;
};

TEST_F(CausePublishing, NothingArrivesUntilTheTopCauseIsPublished)
{
    store.addCause(C::lowBattery);
    EXPECT_TRUE(received.empty());
    store.updateCauseId();
    store.updateCauseId();
    EXPECT_EQ(received, std::vector{CauseId::LOW_BATTERY});
}

TEST_F(CausePublishing, HidingAndPublishingAgainShowsTheHeldCause)
{
    store.addCause(C::outArea);
    store.updateCauseId();
    store.resetCauseId();
    store.updateCauseId();
    EXPECT_EQ(received, (std::vector{CauseId::OUT_AREA, CauseId::DEF, CauseId::OUT_AREA}));
}

TEST_F(CausePublishing, ResetPublishesDefOnceAfterACause)
{
    store.initParam();
    EXPECT_EQ(received, std::vector{CauseId::DEF}) << "the value dropped on subscribing does not count";
    store.addCause(C::breakTimeout);
    store.updateCauseId();
    store.initParam();
    store.initParam();
    EXPECT_EQ(received, (std::vector{CauseId::DEF, CauseId::BREAK_TIMEOUT, CauseId::DEF}));
    store.updateCauseId();
    EXPECT_EQ(received.size(), 3u) << "nothing held publishes DEF, a repeat";
}

// The ranking rule, written out plainly, with what a subscriber should receive.
class ReferenceCauses {
public:
    std::optional<C> top() const
    {
        if (isBreakTimeout_)
            return C::breakTimeout;
        std::optional<std::tuple<int, int64_t, size_t>> bestKey;
        std::optional<C> best;
        for (size_t position = 0; position < newestFirst_.size(); ++position) {
            const C cause = newestFirst_[position];
            if (!displayId(cause))
                continue;
            const auto key = std::tuple(displayId(cause) == RequiredDisplayId::STOP ? 0 : 1, priority(cause), position);
            if (!bestKey || key < *bestKey) {
                bestKey = key;
                best = cause;
            }
        }
        return best;
    }

    bool has(CauseId id) const
    {
        return std::ranges::any_of(newestFirst_, [id](C cause) { return causeId(cause) == id; });
    }

    void apply(const Step& step)
    {
        switch (step.op) {
        case Op::add:
            add(step.cause);
            break;
        case Op::remove:
            if (displayId(step.cause) != RequiredDisplayId::STOP)
                std::erase(newestFirst_, step.cause);
            break;
        case Op::updateCauseId:
            publish(top() ? causeId(*top()) : CauseId::DEF);
            break;
        case Op::resetCauseId:
            publish(CauseId::DEF);
            break;
        case Op::initParam:
            publish(CauseId::DEF);
            newestFirst_.clear();
            isBreakTimeout_ = false;
            break;
        }
    }

    std::vector<CauseId> published;

private:
    void add(C cause)
    {
        const auto current = top();
        if (current == cause)
            return;
        if (cause == C::breakTimeout && (!current || priority(*current) >= 9)) {
            isBreakTimeout_ = true;
            return;
        }
        if (cause != C::breakTimeout && priority(cause) <= 12)
            isBreakTimeout_ = false;
        std::erase(newestFirst_, cause);
        newestFirst_.insert(newestFirst_.begin(), cause);
    }

    void publish(CauseId id)
    {
        if (published.empty() || published.back() != id)
            published.push_back(id);
    }

    std::vector<C> newestFirst_;
    bool isBreakTimeout_ = false;
};

TEST(CautionDataTest, RandomSequencesFollowTheRankingRule)
{
    std::mt19937 random(20261210);
    const auto& causes = foundation::allCases<C>();
    std::uniform_int_distribution<size_t> anyCause(0, causes.size() - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    auto pickCause = [&] { return percent(random) < 10 ? C::breakTimeout : causes[anyCause(random)]; };

    for (int sequence = 0; sequence < 300; ++sequence) {
        CautionData store;
        ReferenceCauses reference;
        std::vector<CauseId> received;
        auto subscription = store.cause().sink([&](CauseId id) { received.push_back(id); });
        for (int index = 0; index < 40; ++index) {
            const int roll = percent(random);
            const Step step = roll < 50   ? add(pickCause())
                              : roll < 80 ? remove(pickCause())
                              : roll < 90 ? Step{Op::updateCauseId}
                              : roll < 97 ? Step{Op::resetCauseId}
                                          : Step{Op::initParam};
            apply(store, step);
            reference.apply(step);
            ASSERT_EQ(store.topCause(), reference.top()) << "sequence " << sequence << ", step " << index;
            for (CauseId id : foundation::allCases<CauseId>())
                ASSERT_EQ(store.hasCause(id), reference.has(id)) << "sequence " << sequence << ", step " << index;
        }
        EXPECT_EQ(received, reference.published) << "sequence " << sequence;
    }
}

} // namespace
