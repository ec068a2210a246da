#include "vehicle-sim/CommandLine.h"

#include <sstream>
#include <vector>

namespace vehiclesim {

const char* usage()
{
    return R"(usage: vehicle-sim [options]
  --dir DIR            accessory folder (default: TOLVANE_ACCESSORY_DIR or the runtime folder's
                       "tolvane-accessories")
  --serial SERIAL      the unit's serial number, the terminal id (default VIN0001)
  --name NAME          the unit's name (default "Tolvane Vehicle Unit")
  --scenario KIND      park-in, park-out or forward-backward (default park-in); the car asks the
                       phone to start parking out ("Start vehicle") or else parking in ("Continue")
                         e.g. vehicle-sim --scenario park-out
  --drive SECONDS      how long the car moves while the control is held before the manoeuvre is
                       complete (default 4)
                         e.g. vehicle-sim --drive 60
  --sensing SECONDS    after the phone asks to start, sense that long before offering the plan
                       (default 0); the phone waits on its "Loading..." screen and gives up
                       after 30 s with "Tolvane unavailable"
                         e.g. vehicle-sim --sensing 40
  --keep-session SECONDS  after parking in or being turned off, keep the session that long
                       before ending it (default 1); the phone's completed or end screen gives
                       up waiting after 10 s
                         e.g. vehicle-sim --keep-session 15
  --control-timeout SECONDS  stop with TIMEOUT_CONTROL when the control is let go that long while
                       the car operates (default: never)
                         e.g. vehicle-sim --control-timeout 5
  --dead-man SECONDS   stop the car when no valid held frame was read for that long (default 0.2)
  --blinker-registration  confirm a registration with the blinker variant of the answer
  --at SECONDS:COMMAND run a command after that many seconds
                         e.g. vehicle-sim --at "5:fault silence"
  --quiet              log only what changes the link or the car, not every message
Commands on standard input (and for --at), one per line:
  scenario KIND | fault NAME [on|off] | clear | garbage [BYTES] | drop | power on|off | quit
  halt CAUSE | stop CAUSE   the car halts or stops and says why, e.g. "stop VEHICLE_FAIL_OUT"
  resume                    the car goes on after a halt or stop
  fault names: bad-checksum frozen-counter jumping-counter silence abnormality stall
How the car answers the phone (each answer is a line "car: ..." in the log):
  start switch         "scenario KIND" while the phone shows its start button: the car asks for
                       that start instead, and the phone switches between "Continue" (park-in,
                       forward-backward) and "Start vehicle" (park-out)
                         e.g. vehicle-sim --at "15:scenario park-out"   (then "scenario park-in")
  plan choice          it moves the way the chosen plan leads: forward or backward, and for
                       parking out to the left, straight or to the right
                         e.g. vehicle-sim --scenario forward-backward   (the plan's lower end)
  direction switch     let go after moving forward or backward, it offers the other direction;
                       the direction button turns it and the distance starts again
                         e.g. vehicle-sim --scenario forward-backward
  interrupt            the power button while it operates: it stops and asks whether to resume
                         e.g. vehicle-sim --scenario park-out
  resume               "取消" in that question: it goes on when the control is held again
                         e.g. vehicle-sim --scenario park-out   (power button, then "取消")
  end half-way         "我要上车" in that question, then "Exit": it stops where it is for the user
                       to get in
                         e.g. vehicle-sim --scenario park-out   (power button, "我要上车", "Exit")
  end                  "关闭车辆电源" in that question, "Stop" on the plan or "Exit" on a halt,
                       then "OK": it stops with USER_SELF and the phone shows "Tolvane finished"
                         e.g. vehicle-sim --scenario park-in   ("Stop" on the plan, then "OK")
)";
}

std::optional<std::string> runCommand(VehicleUnit& unit, std::string_view command)
{
    std::istringstream stream{std::string(command)};
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    if (words.empty())
        return std::string();
    const std::string& verb = words[0];
    const std::string argument = words.size() > 1 ? words[1] : "";
    if (verb == "quit")
        return std::nullopt;
    if (verb == "scenario") {
        if (auto kind = scenarioFromName(argument)) {
            unit.startScenario(*kind);
            return "ok";
        }
        return "unknown scenario '" + argument + "' (park-in, park-out, forward-backward)";
    }
    if (verb == "fault") {
        auto fault = faultFromName(argument);
        const std::string state = words.size() > 2 ? words[2] : "on";
        if (!fault || (state != "on" && state != "off"))
            return "usage: fault bad-checksum|frozen-counter|jumping-counter|silence|abnormality|stall [on|off]";
        unit.setFault(*fault, state == "on");
        return "ok";
    }
    if (verb == "halt" || verb == "stop") {
        const auto kind = verb == "halt" ? InterruptionKind::halt : InterruptionKind::stop;
        const auto interruption = interruptionFor(kind, argument);
        if (!interruption)
            return "no " + verb + " for cause '" + argument + "' (a cause's name, e.g. " +
                   (kind == InterruptionKind::halt ? "OBSTACLE" : "VEHICLE_FAIL_OUT") + ")";
        unit.interrupt(*interruption);
        return "ok";
    }
    if (verb == "resume") {
        unit.resume();
        return "ok";
    }
    if (verb == "clear") {
        unit.clearFaults();
        return "ok";
    }
    if (verb == "garbage") {
        size_t length = 3000;
        if (!argument.empty() && !(std::istringstream(argument) >> length))
            return "usage: garbage [bytes]";
        unit.sendGarbage(length);
        return "ok";
    }
    if (verb == "drop") {
        unit.dropLink();
        return "ok";
    }
    if (verb == "power" && (argument == "on" || argument == "off")) {
        unit.setBluetoothPower(argument == "on" ? bt::PowerState::poweredOn : bt::PowerState::poweredOff);
        return "ok";
    }
    return "unknown command '" + std::string(command) +
           "' (scenario, fault, clear, halt, stop, resume, garbage, drop, power on|off, quit)";
}

} // namespace vehiclesim
