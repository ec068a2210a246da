#pragma once

#include "Internal/Model/BtIdtBtRq.h"
#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/SmpOperation.h"

#include <optional>
#include <string>
#include <string_view>

namespace vehiclesim {

// Each scenario with the name the command line gives it.
#define VEHICLESIM_SCENARIOS(X) \
    X(parkIn, "park-in") \
    X(parkOut, "park-out") \
    X(forwardBackward, "forward-backward")

enum class ScenarioKind {
#define VEHICLESIM_CASE(name, text) name,
    VEHICLESIM_SCENARIOS(VEHICLESIM_CASE)
#undef VEHICLESIM_CASE
};

std::optional<ScenarioKind> scenarioFromName(std::string_view name);
std::string_view scenarioName(ScenarioKind kind);

// How long the car takes over what it does by itself, in steps of a tenth of a second.
struct ManoeuvreTiming {
    // Sensing after the phone asks it to start, before it offers its plan.
    int sensingSteps = 0;
    // A parked-in or turned-off car says so this long, then ends the session; none: it never does.
    std::optional<int> sessionEndSteps = 10;
    // An operating car let go this long stops with the control time-out; none: it waits for good.
    std::optional<int> controlTimeoutSteps;
};

// One manoeuvre as the car runs it. It offers its plan, starts when the phone chooses a plan (or
// holds the control), moves only while the phone holds the control and stops the moment it is let
// go, and completes when the remaining distance is covered. The control is held while the phone's
// operation is on and carries a touch point: a finger on the control writes its point, a finger
// lifted writes (0, 0).
// Let go after moving, the car reports the operation as disrupted and takes the phone's requests:
// the direction switch (forward/backward only), and the interrupt, after which it stands and asks
// whether to resume. The user's end request stops it at any time before the end.
class Manoeuvre {
public:
    // Each phase with the name a description prints.
#define VEHICLESIM_MANOEUVRE_PHASES(X) \
    X(selecting, "selecting") \
    X(sensing, "sensing") \
    X(operating, "operating") \
    X(resumeOffered, "resume-offered") \
    X(completed, "completed") \
    X(endedHalfway, "ended-half-way") \
    X(stopped, "stopped")

    enum class Phase {
#define VEHICLESIM_CASE(name, text) name,
        VEHICLESIM_MANOEUVRE_PHASES(VEHICLESIM_CASE)
#undef VEHICLESIM_CASE
    };

    using Timing = ManoeuvreTiming;

    static constexpr int START_DISTANCE = 40;

    explicit Manoeuvre(ScenarioKind kind, int startDistance = START_DISTANCE, Timing timing = {});

    // What the car does on one of the phone's operations; a line saying so when it changes course.
    std::optional<std::string> operationReceived(const tolvane::SmpOperation& operation);
    // The control counts as let go, as when the phone's frames stop coming.
    void releaseControl() { held_ = false; }
    // One step of the car: a tenth of a second of movement while held, or of waiting.
    std::optional<std::string> step();

    ScenarioKind kind() const { return kind_; }
    Phase phase() const { return phase_; }
    bool isHeld() const { return held_; }
    int remainingDistance() const { return distance_; }
    // Completed, ended half-way or stopped: the next phone finds the car ready to start again.
    bool isOver() const { return phase_ == Phase::completed || phase_ == Phase::endedHalfway || phase_ == Phase::stopped; }
    // A car that has parked in or that the user turned off ends the session a while after saying
    // so; the phone waits for that.
    bool endsSession() const;
    tolvane::BtMekDspId displayId() const;
    // What the car asks the phone to start: parking out, or parking in (forward/backward included).
    tolvane::BtIdtBtRq startRequest() const;
    // The control-state request the car sends now (counter and checksum are added when written).
    tolvane::MekCsrReq controlStateRequest() const;
    // "park-in operating dist=31 held"
    std::string describe() const;

private:
    std::optional<std::string> startOperating(tolvane::BtSmpSelMd plan);
    std::optional<std::string> switchDirection();
    std::optional<std::string> endHalfway();
    std::optional<std::string> stop(tolvane::BtMekDspId stopDisplay, std::string why);
    void enter(Phase phase);
    bool isDisrupted() const { return phase_ == Phase::operating && !held_ && distance_ < legStart_; }

    ScenarioKind kind_;
    Timing timing_;
    int startDistance_;
    Phase phase_ = Phase::selecting;
    bool held_ = false;
    int distance_;
    // The remaining distance when the car last started in its current direction.
    int legStart_;
    // The moving direction as the car reports it: left/right and forward/backward.
    int leftRight_ = 0;
    int forwardBackward_ = 1;
    // The phone's last button: its requests are the changes of it.
    tolvane::BtSmpBtn lastButton_ = tolvane::BtSmpBtn::def;
    tolvane::BtMekDspId lastDisplay_ = tolvane::BtMekDspId::def;
    tolvane::BtSmpAct lastAct_ = tolvane::BtSmpAct::off;
    tolvane::BtMekDspId stopDisplay_ = tolvane::BtMekDspId::def;
    int stepsInPhase_ = 0;
    int stepsLetGo_ = 0;
};

} // namespace vehiclesim
