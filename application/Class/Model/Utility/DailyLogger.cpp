#include "Class/Model/Utility/DailyLogger.h"

#include "Class/Model/Utility/DeviceDescription.h"

#include "foundation/DateFormatter.h"
#include "foundation/DatedFiles.h"
#include "foundation/FileAppend.h"
#include "foundation/StandardOutput.h"
#include "foundation/ThreadName.h"

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

struct DailyLogger::Line {
    std::string time;
    std::string thread;
    std::string message;
    std::vector<LabelledValue> values;
    LogLevel level;
    std::string file;
    unsigned line;
    std::string function;
    bool isPeriodic;
};

DailyLogger::DailyLogger(Environment environment) : environment_(std::move(environment)) {}

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
        std::lock_guard lock(self->pathsMutex_);
        self->isSetUp_ = true;
        self->logFilePath_ = folder + "/" + kDailyPrefix + date + kSuffix;
        self->periodicLogFilePath_ = folder + "/" + kPeriodicPrefix + date + kSuffix;
    });
}

std::string DailyLogger::logFilePath() const
{
    std::lock_guard lock(pathsMutex_);
    return logFilePath_;
}

std::string DailyLogger::periodicLogFilePath() const
{
    std::lock_guard lock(pathsMutex_);
    return periodicLogFilePath_;
}

void DailyLogger::print(std::string message, LogLevel level, LogOptions options, std::source_location location)
{
    if (logFilePath().empty() || periodicLogFilePath().empty())
        return;
    if (levelNumber(level) < environment_.minimumLogLevel)
        return;
    Line line{
        .time = foundation::DateFormatter("yyyy/MM/dd HH:mm:ss.SSS").string(environment_.clock.wallNow()),
        .thread = callerThreadName(),
        .message = std::move(message),
        .values = std::move(options.values),
        .level = level,
        .file = location.file_name(),
        .line = static_cast<unsigned>(location.line()),
        .function = options.function.empty() ? std::string(location.function_name()) : std::string(options.function),
        .isPeriodic = options.isPeriodic,
    };
    environment_.loggingQueue.post([self = shared_from_this(), line = std::move(line), queue = options.queue,
                                    completion = std::move(options.completion)] {
        self->write(line);
        if (!completion)
            return;
        if (queue && queue != &self->environment_.loggingQueue)
            queue->post(completion);
        else
            completion();
    });
}

void DailyLogger::write(const Line& line)
{
    std::string logPath;
    std::string periodicPath;
    {
        std::lock_guard lock(pathsMutex_);
        if (!isSetUp_)
            return;
        logPath = logFilePath_;
        periodicPath = periodicLogFilePath_;
    }
    std::string text = line.time;
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
    text += line.message;
    for (const LabelledValue& value : line.values) {
        text += '\t';
        text += value.label;
        text += ": ";
        text += value.text;
    }
    text += '\n';
    if (!line.isPeriodic)
        foundation::writeToStandardOutput(text);
    append(line.isPeriodic ? periodicPath : logPath, text);
}

void DailyLogger::append(const std::string& path, std::string_view text)
{
    if (foundation::appendToFile(path, text) == foundation::AppendResult::openFailed)
        foundation::writeToStandardOutput("Occured error on LogManager. Failed to open OutputStream.\tURL: file://" + path + "\n");
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

} // namespace tolvane::app
