#include "vehicle-sim/Manoeuvre.h"

#include <array>
#include <cstdint>
#include <tuple>
#include <utility>

namespace vehiclesim {
namespace {

using tolvane::BtIdtBtRq;
using tolvane::BtMekDspId;
using tolvane::BtSmpBtn;

struct Scenario {
    BtMekDspId selecting;
    BtMekDspId operating;
    BtMekDspId disrupted;
    BtMekDspId completed;
    // The plan the car offers: the directions the phone may choose (one bit each) and the one it
    // recommends.
    int64_t choosableDirections;
    int64_t recommendedDirection;
    // Whether the chosen plan is a moving direction (park-out and forward/backward) rather than a
    // parking space.
    bool planIsDirection;
    // The start the car asks for in its verification message.
    tolvane::BtIdtBtRq startRequest;
};

// Bits of the choosable directions.
constexpr int64_t FORWARD_LEFT = 1 << 2, FORWARD = 1 << 3, FORWARD_RIGHT = 1 << 4, BACKWARD = 1 << 6;
// Recommendations: the left space for parking in, forward for moving straight.
constexpr int64_t LEFT_SPACE = 1, AHEAD = 2;
// The moving direction's forward/backward values.
constexpr int MOVING_FORWARD = 1, MOVING_BACKWARD = 2;

Scenario scenarioOf(ScenarioKind kind)
{
    switch (kind) {
    case ScenarioKind::parkIn:
        return {BtMekDspId::sel_parkin_vertical, BtMekDspId::controlling_inpark, BtMekDspId::controlling_inpark_operation_disruption,
                BtMekDspId::parkin_comp, 0, LEFT_SPACE, false, BtIdtBtRq::parkInOrFowaback};
    case ScenarioKind::parkOut:
        return {BtMekDspId::sel_parkout_vertical, BtMekDspId::controlling_outpark, BtMekDspId::controlling_outpark_operation_disruption,
                BtMekDspId::parkout_comp, FORWARD_LEFT | FORWARD | FORWARD_RIGHT, 0, true, BtIdtBtRq::parkOut};
    case ScenarioKind::forwardBackward:
        return {BtMekDspId::sel_forward_backward, BtMekDspId::controlling_fowaback, BtMekDspId::controlling_fowaback_operation_disruption,
                BtMekDspId::arrival, FORWARD | BACKWARD, AHEAD, true, BtIdtBtRq::parkInOrFowaback};
    }
    return {BtMekDspId::def, BtMekDspId::def, BtMekDspId::def, BtMekDspId::def, 0, 0, false, BtIdtBtRq::parkInOrFowaback};
}

// The moving direction (left/right, forward/backward) of a chosen park-out or forward/backward
// plan: plans 1 to 3 lead forward, 4 to 6 backward, each to the left, straight or to the right.
std::pair<int, int> directionOfPlan(tolvane::BtSmpSelMd plan)
{
    const auto number = static_cast<int>(foundation::rawValue(plan));
    if (number < 1 || number > 6)
        return {0, MOVING_FORWARD};
    static constexpr std::array<int, 3> leftRight{1, 0, 2};
    return {leftRight[static_cast<size_t>((number - 1) % 3)], number <= 3 ? MOVING_FORWARD : MOVING_BACKWARD};
}

constexpr auto kNames = std::to_array<std::pair<ScenarioKind, std::string_view>>({
#define VEHICLESIM_CASE(name, text) {ScenarioKind::name, text},
    VEHICLESIM_SCENARIOS(VEHICLESIM_CASE)
#undef VEHICLESIM_CASE
});

std::string seconds(int steps)
{
    return std::to_string(steps / 10) + "." + std::to_string(steps % 10) + " s";
}

} // namespace

std::optional<ScenarioKind> scenarioFromName(std::string_view name)
{
    for (const auto& [kind, text] : kNames)
        if (text == name)
            return kind;
    return std::nullopt;
}

std::string_view scenarioName(ScenarioKind kind)
{
    for (const auto& [candidate, text] : kNames)
        if (candidate == kind)
            return text;
    return "?";
}

Manoeuvre::Manoeuvre(ScenarioKind kind, int startDistance, Timing timing)
    : kind_(kind), timing_(timing), startDistance_(startDistance), distance_(startDistance), legStart_(startDistance)
{
}

std::optional<std::string> Manoeuvre::operationReceived(const tolvane::SmpOperation& operation)
{
    // The phone's requests stay in its message until something else is written there, so only a
    // change is a new request.
    const bool pressed = operation.btn != lastButton_;
    const bool interruptAsked = operation.disp == BtMekDspId::halt_background && lastDisplay_ != BtMekDspId::halt_background;
    // The phone switches its operation on with the start request and keeps it on, while the start
    // button itself may be overwritten before it is ever sent.
    const bool startAsked = operation.act == tolvane::BtSmpAct::on && lastAct_ != tolvane::BtSmpAct::on;
    lastButton_ = operation.btn;
    lastDisplay_ = operation.disp;
    lastAct_ = operation.act;
    // Only a car that is about to move or moving follows the control.
    held_ = operation.act == tolvane::BtSmpAct::on && (operation.x != 0 || operation.y != 0) &&
            (phase_ == Phase::selecting || phase_ == Phase::operating);
    // The user may end the run until the car has stopped or parked, also on the screen that asks
    // them to get in.
    const bool waitsForTheUser = phase_ != Phase::stopped && displayId() != BtMekDspId::parkin_comp && displayId() != BtMekDspId::parkout_comp;
    if (pressed && operation.btn == BtSmpBtn::end && waitsForTheUser)
        return stop(BtMekDspId::stop_user_self, "end requested: the car stops (USER_SELF)");
    if (isOver())
        return std::nullopt;
    switch (phase_) {
    case Phase::selecting:
        if (held_ || operation.btn == BtSmpBtn::longpress)
            return startOperating(operation.sel);
        if (startAsked && timing_.sensingSteps > 0) {
            enter(Phase::sensing);
            return "start requested: the car senses for " + seconds(timing_.sensingSteps);
        }
        return std::nullopt;
    case Phase::sensing:
        if (operation.act != tolvane::BtSmpAct::off)
            return std::nullopt;
        enter(Phase::selecting);
        return "the phone gave up the start: the car stops sensing";
    case Phase::operating:
        if (interruptAsked) {
            held_ = false;
            enter(Phase::resumeOffered);
            return "interrupt requested: the car stops and asks whether to resume";
        }
        if (pressed && operation.btn == BtSmpBtn::directionChange)
            return switchDirection();
        if (pressed && operation.btn == BtSmpBtn::endHalfway)
            return endHalfway();
        return std::nullopt;
    case Phase::resumeOffered:
        if (pressed && operation.btn == BtSmpBtn::restart) {
            enter(Phase::operating);
            return "resume requested: the car goes on when held";
        }
        if (pressed && operation.btn == BtSmpBtn::endHalfway)
            return endHalfway();
        return std::nullopt;
    case Phase::completed:
    case Phase::endedHalfway:
    case Phase::stopped:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> Manoeuvre::startOperating(tolvane::BtSmpSelMd plan)
{
    if (scenarioOf(kind_).planIsDirection)
        std::tie(leftRight_, forwardBackward_) = directionOfPlan(plan);
    enter(Phase::operating);
    return std::string("the car starts ") + (forwardBackward_ == MOVING_FORWARD ? "forward" : "backward");
}

std::optional<std::string> Manoeuvre::switchDirection()
{
    if (kind_ != ScenarioKind::forwardBackward || !isDisrupted())
        return "direction switch refused: the car switches only when it moves forward or backward and was let go";
    forwardBackward_ = forwardBackward_ == MOVING_FORWARD ? MOVING_BACKWARD : MOVING_FORWARD;
    legStart_ = distance_ = startDistance_;
    return std::string("direction switch: the car turns ") + (forwardBackward_ == MOVING_FORWARD ? "forward" : "backward");
}

std::optional<std::string> Manoeuvre::endHalfway()
{
    enter(Phase::endedHalfway);
    return "end half-way requested: the car stops here for the user to get in";
}

std::optional<std::string> Manoeuvre::stop(BtMekDspId stopDisplay, std::string why)
{
    held_ = false;
    stopDisplay_ = stopDisplay;
    enter(Phase::stopped);
    return why;
}

void Manoeuvre::enter(Phase phase)
{
    phase_ = phase;
    stepsInPhase_ = 0;
    stepsLetGo_ = 0;
}

std::optional<std::string> Manoeuvre::step()
{
    ++stepsInPhase_;
    if (phase_ == Phase::sensing && stepsInPhase_ >= timing_.sensingSteps) {
        enter(Phase::selecting);
        return "sensing done: the car offers its plan";
    }
    if (phase_ != Phase::operating)
        return std::nullopt;
    if (!held_) {
        if (timing_.controlTimeoutSteps && ++stepsLetGo_ >= *timing_.controlTimeoutSteps)
            return stop(BtMekDspId::stop_timeout_control, "let go for " + seconds(stepsLetGo_) + ": the car stops (TIMEOUT_CONTROL)");
        return std::nullopt;
    }
    stepsLetGo_ = 0;
    if (--distance_ > 0)
        return std::nullopt;
    distance_ = 0;
    enter(Phase::completed);
    return "the manoeuvre is complete";
}

bool Manoeuvre::endsSession() const
{
    // A car turned off by the user ends the session; one that stopped by itself keeps it, for the
    // user to get in and finish by hand.
    const bool turnedOff = phase_ == Phase::stopped && stopDisplay_ == BtMekDspId::stop_user_self;
    const bool ends = turnedOff || (kind_ == ScenarioKind::parkIn && phase_ == Phase::completed);
    return ends && timing_.sessionEndSteps && stepsInPhase_ >= *timing_.sessionEndSteps;
}

BtIdtBtRq Manoeuvre::startRequest() const { return scenarioOf(kind_).startRequest; }

BtMekDspId Manoeuvre::displayId() const
{
    const Scenario scenario = scenarioOf(kind_);
    switch (phase_) {
    case Phase::selecting:
        return scenario.selecting;
    case Phase::sensing:
        return BtMekDspId::halt_btrestart;
    case Phase::operating:
        return isDisrupted() ? scenario.disrupted : scenario.operating;
    case Phase::resumeOffered:
        return BtMekDspId::resume;
    case Phase::completed:
        return scenario.completed;
    case Phase::endedHalfway:
        return BtMekDspId::arrival;
    case Phase::stopped:
        return stopDisplay_;
    }
    return BtMekDspId::def;
}

tolvane::MekCsrReq Manoeuvre::controlStateRequest() const
{
    const Scenario scenario = scenarioOf(kind_);
    tolvane::MekCsrReq request;
    request.MEKDSPID = displayId();
    request.MEKDIST = distance_;
    request.MEKFB = forwardBackward_;
    request.MEKLR = leftRight_;
    request.MEKCTRMD = scenario.choosableDirections;
    request.MEKTGTMD = scenario.recommendedDirection;
    return request;
}

std::string Manoeuvre::describe() const
{
    static constexpr auto phases = std::to_array<std::string_view>({
#define VEHICLESIM_CASE(name, text) text,
        VEHICLESIM_MANOEUVRE_PHASES(VEHICLESIM_CASE)
#undef VEHICLESIM_CASE
    });
    return std::string(scenarioName(kind_)) + " " + std::string(phases[static_cast<size_t>(phase_)]) +
           " dist=" + std::to_string(distance_) + (held_ ? " held" : " released");
}

} // namespace vehiclesim
