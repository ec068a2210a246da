// The simulated vehicle unit: listens as an accessory of the local-socket backend and answers the
// phone like a car. See --help.

#include "vehicle-sim/CommandLine.h"
#include "vehicle-sim/VehicleUnit.h"

#include "accessory/AccessoryProtocol.h"
#include "accessory/LocalSocketAccessoryManager.h"
#include "foundation/Clock.h"
#include "foundation/QtRunLoop.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <sys/signalfd.h>
#include <unistd.h>

namespace {

struct Scheduled {
    double seconds;
    std::string command;
};

// A length of time given on the command line: above 0 and below an hour.
bool readSeconds(const std::string& option, const char* text, double& seconds)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (*end != '\0' || !(value > 0 && value < 3600)) {
        std::fprintf(stderr, "vehicle-sim: %s wants seconds above 0, got '%s'\n", option.c_str(), text);
        return false;
    }
    seconds = value;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    vehiclesim::VehicleUnit::Options options;
    options.directory = accessory::LocalSocketAccessoryManager::defaultDirectory();
    options.protocolString = accessory::defaultProtocolString();
    std::vector<Scheduled> scheduled;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--help" || argument == "-h") {
            std::fputs(vehiclesim::usage(), stdout);
            return 0;
        } else if (argument == "--blinker-registration") {
            options.blinkerRegistration = true;
        } else if (argument == "--quiet") {
            quiet = true;
        } else if (argument == "--dir" && hasValue) {
            options.directory = argv[++i];
        } else if (argument == "--serial" && hasValue) {
            options.serialNumber = argv[++i];
        } else if (argument == "--name" && hasValue) {
            options.name = argv[++i];
        } else if (argument == "--scenario" && hasValue) {
            const auto kind = vehiclesim::scenarioFromName(argv[++i]);
            if (!kind) {
                std::fprintf(stderr, "vehicle-sim: unknown scenario '%s'\n%s", argv[i], vehiclesim::usage());
                return 2;
            }
            options.scenario = *kind;
        } else if (argument == "--dead-man" && hasValue) {
            if (!readSeconds(argument, argv[++i], options.deadManInterval))
                return 2;
        } else if (argument == "--drive" && hasValue) {
            double seconds = 0;
            if (!readSeconds(argument, argv[++i], seconds))
                return 2;
            options.distance = std::max(1, static_cast<int>(std::lround(seconds / vehiclesim::VehicleUnit::TICK)));
        } else if (argument == "--sensing" && hasValue) {
            if (!readSeconds(argument, argv[++i], options.sensing))
                return 2;
        } else if (argument == "--keep-session" && hasValue) {
            if (!readSeconds(argument, argv[++i], options.sessionEndAfterParkIn.emplace()))
                return 2;
        } else if (argument == "--control-timeout" && hasValue) {
            if (!readSeconds(argument, argv[++i], options.controlTimeout.emplace()))
                return 2;
        } else if (argument == "--at" && hasValue) {
            const std::string value = argv[++i];
            const auto colon = value.find(':');
            char* end = nullptr;
            const double seconds = colon == std::string::npos ? -1 : std::strtod(value.c_str(), &end);
            if (colon == std::string::npos || end != value.c_str() + colon || seconds < 0) {
                std::fprintf(stderr, "vehicle-sim: --at wants SECONDS:COMMAND, got '%s'\n", value.c_str());
                return 2;
            }
            scheduled.push_back({seconds, value.substr(colon + 1)});
        } else {
            std::fprintf(stderr, "vehicle-sim: unknown option '%s'\n%s", argument.c_str(), vehiclesim::usage());
            return 2;
        }
    }

    foundation::SystemClock clock;
    auto loop = std::make_shared<foundation::QtRunLoop>("main", clock, QThread::currentThread());
    foundation::RunLoop::setMain(loop.get());
    const double start = clock.now();
    options.log = [&](const std::string& line) {
        if (quiet && (line.starts_with("tx ") || line.starts_with("rx ")))
            return;
        std::printf("[%9.3f] %s\n", clock.now() - start, line.c_str());
        std::fflush(stdout);
    };
    vehiclesim::VehicleUnit unit(*loop, options);

    auto run = [&](const std::string& command) {
        const auto reply = vehiclesim::runCommand(unit, command);
        if (!reply)
            app.quit();
        else if (!reply->empty())
            options.log("command '" + command + "': " + *reply);
    };
    for (const auto& entry : scheduled)
        loop->scheduleTimer(entry.seconds, false, [&run, command = entry.command](foundation::Timer&) { run(command); });

    // Commands from standard input, a line at a time; its end changes nothing.
    std::string line;
    foundation::FdWatchRef input;
    input = loop->watchFd(STDIN_FILENO, foundation::FdCondition::readable, [&] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input->cancel();
            return;
        }
        line.append(buffer, static_cast<size_t>(count));
        for (size_t newline; (newline = line.find('\n')) != std::string::npos; line.erase(0, newline + 1))
            run(line.substr(0, newline));
    });

    // SIGINT and SIGTERM end the loop, so the socket files are removed on the way out.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int signalFd = ::signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);
    auto stop = loop->watchFd(signalFd, foundation::FdCondition::readable, [&] { app.quit(); });

    const int status = app.exec();
    stop->cancel();
    input->cancel();
    ::close(signalFd);
    return status;
}
