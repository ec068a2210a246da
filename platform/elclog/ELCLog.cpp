#include "elclog/ELCLog.h"

#include "foundation/Clock.h"
#include "foundation/DateFormatter.h"
#include "foundation/DatedFiles.h"
#include "foundation/LogText.h"
#include "foundation/RotatingLogFile.h"
#include "foundation/StandardLocations.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <mutex>
#include <utility>

namespace elclog {
namespace {

constexpr const char* kFilePrefix = "elclog_";
constexpr const char* kFileSuffix = ".log";
// About half a day of a linked run's lines; a day keeps at most twice this with its previous file.
constexpr uint64_t kFileBytes = 16ull * 1024 * 1024;

struct State {
    std::mutex mutex;
    bool isSetUp = false;
    bool enabled = false;
    int levelMask = 0;
    int autoEnableCount = 0;
    int saveDays = 0;
    std::string folder;
    // Kept open between lines: a line every 50 ms is common while linked.
    foundation::RotatingLogFile file{kFileBytes};
    std::string path;
};

State& state()
{
    static State shared;
    return shared;
}

foundation::Date now()
{
    static const foundation::SystemClock clock;
    return clock.wallNow();
}

void removeFilesOlderThan(const std::string& folder, int saveDays, foundation::Date date)
{
    const auto today = std::chrono::sys_days(foundation::TimeZone::current().localDate(date));
    foundation::removeDatedFilesBefore(folder, {kFilePrefix}, kFileSuffix,
                                       std::chrono::year_month_day(today - std::chrono::days(saveDays)));
}

} // namespace

void ELCLog::initSDK(int logLevel, int /*storageType*/, int saveDays, std::optional<std::string> logPath)
{
    const std::string folder = logPath ? *logPath : foundation::documentsDirectory() + "/ELCLog";
    foundation::makePrivateDirectory(folder);
    removeFilesOlderThan(folder, saveDays, now());
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    shared.folder = folder;
    shared.saveDays = saveDays;
    shared.levelMask = logLevel;
    shared.isSetUp = true;
}

void ELCLog::setEnabled(bool enabled)
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    shared.enabled = enabled;
}

bool ELCLog::isEnabled()
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    return shared.enabled;
}

int ELCLog::autoEnableCount()
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    return shared.autoEnableCount;
}

void ELCLog::autoEnableWithCount(int count)
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    shared.autoEnableCount = count;
}

std::string ELCLog::logFolder()
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    return shared.isSetUp ? shared.folder : std::string();
}

void ELCLog::write(std::string_view message, int flag, const char* file, const char* function, unsigned line,
                   bool /*asynchronous*/)
{
    auto& shared = state();
    std::lock_guard lock(shared.mutex);
    if (!shared.isSetUp || !shared.enabled || (flag & shared.levelMask) == 0)
        return;
    const foundation::Date date = now();
    std::string text = foundation::DateFormatter("yyyy/MM/dd HH:mm:ss.SSS").string(date);
    text += '\t';
    text += std::to_string(flag);
    text += '\t';
    foundation::appendEscapedLogText(text, file ? file : "");
    text += ':';
    text += std::to_string(line);
    text += '\t';
    foundation::appendEscapedLogText(text, function ? function : "");
    text += '\t';
    foundation::appendEscapedLogText(text, message);
    text += '\n';
    const std::string path = shared.folder + "/" + kFilePrefix + foundation::DateFormatter("yyMMdd").string(date) + kFileSuffix;
    // A run that lasts for days keeps only the days it was set up to keep.
    if (path != std::exchange(shared.path, path))
        removeFilesOlderThan(shared.folder, shared.saveDays, date);
    shared.file.append(path, text);
}

bool ELCLog::exportLogFiles(const std::string& destinationFile)
{
    const std::string folder = logFolder();
    if (folder.empty())
        return false;
    const QStringList names = QDir(QString::fromStdString(folder))
                                  .entryList({QString(kFilePrefix) + "*" + kFileSuffix}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    QSaveFile destination(QString::fromStdString(destinationFile));
    if (!destination.open(QIODevice::WriteOnly))
        return false;
    // Every frame of the link is in it, with the user's cars: the user's alone, like the logs.
    destination.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const QString& name : names) {
        QFile kept(QString::fromStdString(folder) + "/" + name);
        if (kept.open(QIODevice::ReadOnly))
            destination.write(kept.readAll());
    }
    return destination.commit();
}

} // namespace elclog
