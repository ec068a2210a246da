#pragma once

#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/SmpOperation.h"

#include <optional>
#include <string>
#include <string_view>

namespace vehiclesim {

enum class ScenarioKind { parkIn, parkOut, forwardBackward };

std::optional<ScenarioKind> scenarioFromName(std::string_view name);
std::string_view scenarioName(ScenarioKind kind);

// One manoeuvre as the car runs it. It offers its plan, starts when the phone chooses a plan (or
// holds the control), moves only while the phone holds the control and stops the moment it is let
// go, and completes when the remaining distance is covered. The control is held while the phone's
// operation is on and carries a touch point: a finger on the control writes its point, a finger
// lifted writes (0, 0).
class Manoeuvre {
public:
    enum class Phase { selecting, operating, completed };

    static constexpr int START_DISTANCE = 40;
    // Steps a parked-in car shows its completion before it ends the session.
    static constexpr int SESSION_END_STEPS = 10;

    explicit Manoeuvre(ScenarioKind kind, int startDistance = START_DISTANCE);

    void operationReceived(const tolvane::SmpOperation& operation);
    // The control counts as let go, as when the phone's frames stop coming.
    void releaseControl() { held_ = false; }
    // One step of the car: a tenth of a second of movement while held.
    void step();

    ScenarioKind kind() const { return kind_; }
    Phase phase() const { return phase_; }
    bool isHeld() const { return held_; }
    int remainingDistance() const { return distance_; }
    // A car that has parked in ends the session a while after saying so; the phone waits for that.
    bool endsSession() const { return kind_ == ScenarioKind::parkIn && phase_ == Phase::completed && stepsCompleted_ >= SESSION_END_STEPS; }
    tolvane::BtMekDspId displayId() const;
    // The control-state request the car sends now (counter and checksum are added when written).
    tolvane::MekCsrReq controlStateRequest() const;
    // "park-in operating dist=31 held"
    std::string describe() const;

private:
    ScenarioKind kind_;
    Phase phase_ = Phase::selecting;
    bool held_ = false;
    int distance_;
    int stepsCompleted_ = 0;
};

} // namespace vehiclesim
