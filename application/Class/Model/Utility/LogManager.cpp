#include "Class/Model/Utility/LogManager.h"

#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/SharedObject/AppThreadPolicy.h"

#include "foundation/RunLoop.h"
#include "foundation/StandardLocations.h"
#include "foundation/StandardOutput.h"
#include "foundation/SystemLog.h"
#include "foundation/UUID.h"

#include <mutex>

namespace tolvane::app {
namespace {

struct Installed {
    std::mutex mutex;
    std::shared_ptr<DailyLogger> logger;
};

Installed& installed()
{
    static Installed shared;
    return shared;
}

std::shared_ptr<DailyLogger> currentLogger()
{
    auto& shared = installed();
    std::lock_guard lock(shared.mutex);
    return shared.logger;
}

// The program's logger: its serial queue is a thread of its own, named after the program.
std::shared_ptr<DailyLogger> makeProgramLogger()
{
    static const foundation::SystemClock clock;
    return std::make_shared<DailyLogger>(DailyLogger::Environment{
        .clock = clock,
        .loggingQueue = AppThreadPolicy::logging(),
        .documentsDirectory = foundation::documentsDirectory(),
        .appVersion = libraryBundle()->shortVersionString(),
        .launchId = foundation::UUID::random().uuidString(),
        .minimumLogLevel = static_cast<int>(UserDefaultsValues::minimumLogLevel()),
    });
}

} // namespace

void LogManager::setup()
{
    std::shared_ptr<DailyLogger> logger = currentLogger();
    if (!logger) {
        logger = makeProgramLogger();
        install(logger);
    }
    logger->setUp();
}

void LogManager::print(LogMessage message, LogLevel level, LogOptions options, std::source_location location)
{
    if (auto logger = currentLogger())
        logger->print(std::move(message), level, std::move(options), location);
}

void LogManager::writeOnLoggingQueue(std::function<std::string()> write)
{
    auto logger = currentLogger();
    const foundation::RunLoop* current = foundation::RunLoop::current();
    const bool onLinkThread = current && !(foundation::RunLoop::hasMain() && current == &foundation::RunLoop::main()) &&
                              !(logger && current == &logger->loggingQueue());
    if (logger && onLinkThread)
        logger->writeInLineOrder(std::move(write));
    else if (const std::string console = write(); logger)
        logger->echo(console);
    else if (!console.empty())
        foundation::writeToStandardOutput(console);
}

void LogManager::startPeriodicTimer()
{
    if (auto logger = currentLogger())
        logger->startPeriodicTimer();
}

void LogManager::stopPeriodicTimer()
{
    if (auto logger = currentLogger())
        logger->stopPeriodicTimer();
}

void LogManager::install(std::shared_ptr<DailyLogger> logger)
{
    auto& shared = installed();
    std::lock_guard lock(shared.mutex);
    shared.logger = std::move(logger);
}

} // namespace tolvane::app
