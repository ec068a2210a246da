#include "vehicle-sim/Manoeuvre.h"

#include <array>
#include <utility>

namespace vehiclesim {
namespace {

using tolvane::BtMekDspId;

struct Screens {
    BtMekDspId selecting;
    BtMekDspId operating;
    BtMekDspId completed;
};

Screens screensOf(ScenarioKind kind)
{
    switch (kind) {
    case ScenarioKind::parkIn:
        return {BtMekDspId::sel_parkin_vertical, BtMekDspId::controlling_inpark, BtMekDspId::parkin_comp};
    case ScenarioKind::parkOut:
        return {BtMekDspId::sel_parkout_vertical, BtMekDspId::controlling_outpark, BtMekDspId::parkout_comp};
    case ScenarioKind::forwardBackward:
        return {BtMekDspId::sel_forward_backward, BtMekDspId::controlling_fowaback, BtMekDspId::arrival};
    }
    return {BtMekDspId::def, BtMekDspId::def, BtMekDspId::def};
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
    if (phase_ != Phase::operating || !held_)
        return;
    if (--distance_ <= 0) {
        distance_ = 0;
        phase_ = Phase::completed;
    }
}

BtMekDspId Manoeuvre::displayId() const
{
    const Screens screens = screensOf(kind_);
    switch (phase_) {
    case Phase::selecting:
        return screens.selecting;
    case Phase::operating:
        return screens.operating;
    case Phase::completed:
        return screens.completed;
    }
    return BtMekDspId::def;
}

tolvane::MekCsrReq Manoeuvre::controlStateRequest() const
{
    tolvane::MekCsrReq request;
    request.MEKDSPID = displayId();
    request.MEKDIST = distance_;
    // Forward on the car's axis, wheels straight, the recommended side the left one.
    request.MEKFB = 1;
    request.MEKLR = 0;
    request.MEKTGTMD = 1;
    return request;
}

std::string Manoeuvre::describe() const
{
    static constexpr std::array<std::string_view, 3> phases{"selecting", "operating", "completed"};
    return std::string(scenarioName(kind_)) + " " + std::string(phases[static_cast<size_t>(phase_)]) +
           " dist=" + std::to_string(distance_) + (held_ ? " held" : " released");
}

} // namespace vehiclesim
