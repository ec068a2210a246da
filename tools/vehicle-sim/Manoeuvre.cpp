#include "vehicle-sim/Manoeuvre.h"

#include <array>
#include <cstdint>
#include <utility>

namespace vehiclesim {
namespace {

using tolvane::BtMekDspId;

struct Scenario {
    BtMekDspId selecting;
    BtMekDspId operating;
    BtMekDspId completed;
    // The plan the car offers: the directions the phone may choose (one bit each) and the one it
    // recommends.
    int64_t choosableDirections;
    int64_t recommendedDirection;
};

// Bits of the choosable directions.
constexpr int64_t FORWARD_LEFT = 1 << 2, FORWARD = 1 << 3, FORWARD_RIGHT = 1 << 4, BACKWARD = 1 << 6;
// Recommendations: the left space for parking in, forward for moving straight.
constexpr int64_t LEFT_SPACE = 1, AHEAD = 2;

Scenario scenarioOf(ScenarioKind kind)
{
    switch (kind) {
    case ScenarioKind::parkIn:
        return {BtMekDspId::sel_parkin_vertical, BtMekDspId::controlling_inpark, BtMekDspId::parkin_comp, 0, LEFT_SPACE};
    case ScenarioKind::parkOut:
        return {BtMekDspId::sel_parkout_vertical, BtMekDspId::controlling_outpark, BtMekDspId::parkout_comp,
                FORWARD_LEFT | FORWARD | FORWARD_RIGHT, 0};
    case ScenarioKind::forwardBackward:
        return {BtMekDspId::sel_forward_backward, BtMekDspId::controlling_fowaback, BtMekDspId::arrival, FORWARD | BACKWARD, AHEAD};
    }
    return {BtMekDspId::def, BtMekDspId::def, BtMekDspId::def, 0, 0};
}

constexpr std::array<std::pair<ScenarioKind, std::string_view>, 3> kNames{{
    {ScenarioKind::parkIn, "park-in"},
    {ScenarioKind::parkOut, "park-out"},
    {ScenarioKind::forwardBackward, "forward-backward"},
}};

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

Manoeuvre::Manoeuvre(ScenarioKind kind, int startDistance) : kind_(kind), distance_(startDistance) {}

void Manoeuvre::operationReceived(const tolvane::SmpOperation& operation)
{
    held_ = operation.act == tolvane::BtSmpAct::on && (operation.x != 0 || operation.y != 0);
    if (phase_ == Phase::selecting && (held_ || operation.btn == tolvane::BtSmpBtn::longpress))
        phase_ = Phase::operating;
}

void Manoeuvre::step()
{
    if (phase_ == Phase::completed)
        ++stepsCompleted_;
    if (phase_ != Phase::operating || !held_)
        return;
    if (--distance_ <= 0) {
        distance_ = 0;
        phase_ = Phase::completed;
    }
}

BtMekDspId Manoeuvre::displayId() const
{
    const Scenario scenario = scenarioOf(kind_);
    switch (phase_) {
    case Phase::selecting:
        return scenario.selecting;
    case Phase::operating:
        return scenario.operating;
    case Phase::completed:
        return scenario.completed;
    }
    return BtMekDspId::def;
}

tolvane::MekCsrReq Manoeuvre::controlStateRequest() const
{
    const Scenario scenario = scenarioOf(kind_);
    tolvane::MekCsrReq request;
    request.MEKDSPID = displayId();
    request.MEKDIST = distance_;
    // Forward on the car's axis, wheels straight.
    request.MEKFB = 1;
    request.MEKLR = 0;
    request.MEKCTRMD = scenario.choosableDirections;
    request.MEKTGTMD = scenario.recommendedDirection;
    return request;
}

std::string Manoeuvre::describe() const
{
    static constexpr std::array<std::string_view, 3> phases{"selecting", "operating", "completed"};
    return std::string(scenarioName(kind_)) + " " + std::string(phases[static_cast<size_t>(phase_)]) +
           " dist=" + std::to_string(distance_) + (held_ ? " held" : " released");
}

} // namespace vehiclesim
