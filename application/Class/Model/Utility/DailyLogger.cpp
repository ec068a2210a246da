#include "Class/Model/Utility/DailyLogger.h"

#include "Class/Model/Utility/DailyLogPass.h"
#include "Class/Model/Utility/DeviceDescription.h"

#include "foundation/DateFormatter.h"
#include "foundation/DatedFiles.h"
#include "foundation/LogText.h"
#include "foundation/ThreadName.h"

#include <utility>

namespace tolvane::app {
namespace {

constexpr const char* kDailyPrefix = "logging_";
constexpr const char* kPeriodicPrefix = "logging_periodic_";
constexpr const char* kSuffix = ".log";

std::string callerThreadName()
{
    if (const std::string& name = foundation::currentThreadName(); !name.empty())
        return name;
    if (const foundation::RunLoop* loop = foundation::RunLoop::current())
        return loop->name();
    return "Unknown queue";
}

std::string_view lastPathComponent(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

// A line as handed over: stamped on the caller's thread, formatted on the logging queue.
struct DailyLogger::Line {
    foundation::Date time;
    std::string thread;
    LogMessage message;
    std::vector<LabelledValue> values;
    LogLevel level;
    std::string file;
    unsigned line;
    std::string function;
    bool isPeriodic;
};

// A line, or another writer's task that keeps its place among the lines.
struct DailyLogger::Queued {
    std::optional<Line> line = {};
    foundation::RunLoop* queue = nullptr;
    std::function<void()> completion = {};
    std::function<std::string()> write = {};
};

DailyLogger::DailyLogger(Environment environment)
    : environment_(std::move(environment)),
      daily_(environment_.logFileBytes),
      periodic_(environment_.logFileBytes),
      console_(environment_.clock, CONSOLE_WINDOW, CONSOLE_WINDOW_BYTES, environment_.console)
{
}

DailyLogger::~DailyLogger() = default;

void DailyLogger::setUp()
{
    const foundation::Date now = environment_.clock.wallNow();
    const foundation::TimeZone zone = foundation::TimeZone::current();
    const std::string date = foundation::DateFormatter("yyMMdd", zone).string(now);
    const auto firstKept = std::chrono::year_month_day(std::chrono::sys_days(zone.localDate(now)) -
                                                       std::chrono::days(LOG_SAVE_DAYS));
    environment_.loggingQueue.post([self = shared_from_this(), date, firstKept] {
        const std::string& folder = self->environment_.documentsDirectory;
        foundation::removeDatedFilesBefore(folder, {kDailyPrefix, kPeriodicPrefix}, kSuffix, firstKept);
        self->paths_.set(Paths{.log = folder + "/" + kDailyPrefix + date + kSuffix,
                               .periodic = folder + "/" + kPeriodicPrefix + date + kSuffix});
    });
}

std::string DailyLogger::logFilePath() const
{
    const auto paths = paths_.copy();
    return paths ? paths->log : std::string();
}

std::string DailyLogger::periodicLogFilePath() const
{
    const auto paths = paths_.copy();
    return paths ? paths->periodic : std::string();
}

void DailyLogger::print(LogMessage message, LogLevel level, LogOptions options, std::source_location location)
{
    if (!paths_.withLock([](const std::optional<Paths>& paths) { return paths.has_value(); }))
        return;
    if (levelNumber(level) < environment_.minimumLogLevel)
        return;
    Line line{
        .time = environment_.clock.wallNow(),
        .thread = callerThreadName(),
        .message = std::move(message),
        .values = std::move(options.values),
        .level = level,
        .file = location.file_name(),
        .line = static_cast<unsigned>(location.line()),
        .function = options.function.empty() ? std::string(location.function_name()) : std::string(options.function),
        .isPeriodic = options.isPeriodic,
    };
    enqueue({.line = std::move(line), .queue = options.queue, .completion = std::move(options.completion)});
}

void DailyLogger::enqueue(Queued entry)
{
    const bool isFirstWaiting = queued_.withLock([&](std::vector<Queued>& queued) {
        queued.push_back(std::move(entry));
        return queued.size() == 1;
    });
    if (isFirstWaiting)
        environment_.loggingQueue.post([self = shared_from_this()] { self->writeQueued(); });
}

std::string DailyLogger::format(const Line& line) const
{
    std::string text = foundation::DateFormatter("yyyy/MM/dd HH:mm:ss.SSS").string(line.time);
    auto field = [&text](std::string_view value) {
        text += "\t[";
        text += value;
        text += ']';
    };
    field(environment_.appVersion);
    field(deviceDescription().copy());
    field(environment_.launchId);
    field(line.thread);
    field(label(line.level));
    field(std::string(lastPathComponent(line.file)) + "(" + std::to_string(line.line) + ")");
    field(line.function);
    text += '\t';
    if (const auto* made = std::get_if<std::string>(&line.message))
        foundation::appendEscapedLogText(text, *made);
    else
        foundation::appendEscapedLogText(text, std::get<std::function<std::string()>>(line.message)());
    for (const LabelledValue& value : line.values) {
        text += '\t';
        foundation::appendEscapedLogText(text, value.label);
        text += ": ";
        foundation::appendEscapedLogText(text, value.text);
    }
    text += '\n';
    return text;
}

void DailyLogger::writeQueued()
{
    std::vector<Queued> entries = queued_.withLock([](std::vector<Queued>& queued) { return std::exchange(queued, {}); });
    // Lines are queued only once the paths are fixed; another writer's text may come before.
    const Paths paths = paths_.copy().value_or(Paths{});
    DailyLogPass pass({daily_, paths.log}, {periodic_, paths.periodic}, console_);
    for (const Queued& entry : entries) {
        if (entry.line)
            pass.add(format(*entry.line), entry.line->isPeriodic);
        if (entry.write)
            pass.addConsoleText(entry.write());
    }
    pass.write();
    for (Queued& entry : entries) {
        if (!entry.completion)
            continue;
        if (entry.queue && entry.queue != &environment_.loggingQueue)
            entry.queue->post(std::move(entry.completion));
        else
            entry.completion();
    }
}

void DailyLogger::startPeriodicTimer()
{
    foundation::assertOnMainLoop("DailyLogger::startPeriodicTimer");
    if (periodicTimer_)
        return;
    std::weak_ptr<DailyLogger> weakSelf = weak_from_this();
    periodicTimer_ = foundation::RunLoop::main().scheduleTimer(PERIODIC_INTERVAL, true, [weakSelf](foundation::Timer&) {
        if (auto self = weakSelf.lock())
            self->print("定期タイマー実行", LogLevel::information,
                        {.isPeriodic = true, .function = "startPeriodicTimer()"}, std::source_location::current());
    });
}

void DailyLogger::stopPeriodicTimer()
{
    foundation::assertOnMainLoop("DailyLogger::stopPeriodicTimer");
    if (periodicTimer_)
        periodicTimer_->invalidate();
    periodicTimer_.reset();
}

void DailyLogger::writeInLineOrder(std::function<std::string()> write)
{
    enqueue({.write = std::move(write)});
}

void DailyLogger::echo(std::string_view text)
{
    console_.write(text);
}

} // namespace tolvane::app
