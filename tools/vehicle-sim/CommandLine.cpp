#include "vehicle-sim/CommandLine.h"

#include <sstream>
#include <vector>

namespace vehiclesim {

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
