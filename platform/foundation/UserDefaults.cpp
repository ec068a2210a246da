#include "foundation/UserDefaults.h"

#include "foundation/DateFormatter.h"
#include "foundation/StandardLocations.h"
#include "foundation/SystemLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>

namespace foundation {
namespace {

std::mutex standardMutex;
std::shared_ptr<UserDefaults> standardDefaults;
UserDefaults::Recovery standardRecovery;

QString qKey(std::string_view key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Shortest text that reads back as exactly the same number.
template <class Number>
std::string numberText(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <class Number>
std::optional<Number> parseNumber(const std::string& text)
{
    Number value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> numericValue(const std::string& text)
{
    if (text == "true" || text == "YES")
        return 1.0;
    if (text == "false" || text == "NO")
        return 0.0;
    return parseNumber<double>(text);
}

std::string valueText(const UserDefaults::Value& value)
{
    struct {
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(int64_t v) const { return std::to_string(v); }
        std::string operator()(float v) const { return numberText(v); }
        std::string operator()(double v) const { return numberText(v); }
        std::string operator()(const std::string& v) const { return v; }
    } visitor;
    return std::visit(visitor, value);
}

void logToSystem(SystemLogType type, const std::string& line)
{
    auto& log = systemLog();
    if (log.isEnabled(type))
        log.write(type, applicationIdentifier(), "UserDefaults", line);
}

} // namespace

namespace {

// A key or section name as the settings file writes it: other characters are %-escaped.
bool isEscapedName(QStringView name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'_' && c != u'-' && c != u'.' && c != u'%' &&
            c != u'\\' && c != u' ')
            return false;
    return true;
}

// Quotes in a value come in pairs once escaped ones are skipped.
bool hasBalancedQuotes(QStringView value)
{
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\')
            ++i;
        else if (value[i] == u'"')
            quoted = !quoted;
    }
    return !quoted;
}

// QSettings reads garbage inside a section as nothing at all, or as other keys than were written,
// so the file's shape is checked here: text without NULs, every line a section header, a comment
// or an escaped key with its value, as the settings file writes them.
bool isWellFormedSettingsText(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return false;
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return false;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || !isEscapedName(QStringView(line).sliced(1, line.size() - 2)))
                return false;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || !isEscapedName(QStringView(line).first(equals).trimmed()) ||
            !hasBalancedQuotes(QStringView(line).sliced(equals + 1)))
            return false;
    }
    return true;
}

std::filesystem::path programOf(const std::string& process)
{
    std::error_code error;
    auto program = std::filesystem::read_symlink("/proc/" + process + "/exe", error);
    return error ? std::filesystem::path() : program;
}

// Only another live run of this program can be writing the settings. A lock naming a process that
// is gone, one running another program, or this very process (a run killed while it wrote, whose
// process id the next run got again, as a container started the same way each boot does) would make
// the first write wait for the lock to go stale, half a minute; such a lock is removed at once.
void removeLockNotHeldByAnotherRun(const QString& settingsPath)
{
    QFile lock(settingsPath + ".lock");
    if (!lock.open(QIODevice::ReadOnly))
        return;
    const QByteArray firstLine = lock.readLine(32).trimmed();
    lock.close();
    bool isNumber = false;
    const qint64 pid = firstLine.toLongLong(&isNumber);
    const bool heldByAnotherRun = isNumber && pid > 0 && pid != ::getpid() &&
                                  !programOf(std::to_string(pid)).empty() &&
                                  programOf(std::to_string(pid)) == programOf("self");
    if (!heldByAnotherRun)
        QFile::remove(lock.fileName());
}

// Why the file cannot serve as the settings file; empty when it can (or is not there yet). A
// special file is never opened: a FIFO would block the start.
std::string damageOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return "something other than a file is in its place";
    if (info.size() == 0)
        return "it is empty";
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && !isWellFormedSettingsText(file.readAll()))
        return "it is malformed";
    return {};
}

// "<path>.unreadable-<date>", numbered when a copy kept earlier has that name, so none is replaced.
QString freeKeptPath(const QString& path, const Clock& clock)
{
    const QString dated = path + ".unreadable-" + QString::fromStdString(DateFormatter("yyyyMMddHHmmss").string(clock.wallNow()));
    QString candidate = dated;
    for (int number = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++number)
        candidate = dated + "." + QString::number(number);
    return candidate;
}

// Every write syncs at once under the mutex; the settings object must never sync again by itself
// from an event on some thread's loop, so it belongs to no thread.
std::unique_ptr<QSettings> openSettings(const QString& path)
{
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    settings->moveToThread(nullptr);
    return settings;
}

} // namespace

UserDefaults::UserDefaults(std::string filePath, Recovery recovery)
    : filePath_(std::move(filePath))
{
    const QString path = QString::fromStdString(filePath_);
    removeLockNotHeldByAnotherRun(path);
    const std::string damage = damageOf(path);
    // Nothing in the way of a file is read: it is only moved aside.
    if (damage.empty() || QFileInfo(path).isFile())
        settings_ = openSettings(path);
    if (!damage.empty() || settings_->status() == QSettings::FormatError)
        recoverUnreadableFile(damage.empty() ? "it is malformed" : damage, recovery);
}

UserDefaults::UserDefaults(std::string filePath) : UserDefaults(std::move(filePath), Recovery{}) {}

UserDefaults::~UserDefaults() = default;

void UserDefaults::recoverUnreadableFile(const std::string& why, const Recovery& recovery)
{
    static const SystemClock systemClock;
    const QString path = QString::fromStdString(filePath_);
    const QString keptPath = freeKeptPath(path, recovery.clock ? *recovery.clock : systemClock);
    std::map<QString, QVariant> readable;
    if (settings_)
        for (const QString& key : settings_->allKeys())
            if (!key.isEmpty() && (!recovery.isKnownKey || recovery.isKnownKey(key.toStdString())))
                readable[key] = settings_->value(key);
    settings_.reset();
    const bool kept = QDir().rename(path, keptPath);
    restrictToOwner(keptPath.toStdString());
    settings_ = openSettings(path);
    for (const auto& [key, value] : readable)
        settings_->setValue(key, value);
    settings_->sync();
    restrictToOwner(filePath_);
    logToSystem(SystemLogType::error, "The settings file " + filePath_ + " could not be read (" + why + "); " +
                                          (kept ? "it was kept as " + keptPath.toStdString() : "it could not be kept") +
                                          " and " + std::to_string(readable.size()) + " readable values were carried over.");
}

std::shared_ptr<UserDefaults> UserDefaults::standard()
{
    std::lock_guard lock(standardMutex);
    if (!standardDefaults)
        standardDefaults = std::make_shared<UserDefaults>(userDefaultsFilePath(), standardRecovery);
    return standardDefaults;
}

void UserDefaults::setStandard(std::shared_ptr<UserDefaults> defaults)
{
    std::lock_guard lock(standardMutex);
    standardDefaults = std::move(defaults);
}

void UserDefaults::setStandardRecovery(Recovery recovery)
{
    std::lock_guard lock(standardMutex);
    standardRecovery = std::move(recovery);
}

std::optional<std::string> UserDefaults::text(std::string_view key) const
{
    std::lock_guard lock(mutex_);
    const QVariant stored = settings_->value(qKey(key));
    if (stored.isValid())
        return stored.toString().toStdString();
    if (auto registered = registered_.find(key); registered != registered_.end())
        return registered->second;
    return std::nullopt;
}

bool UserDefaults::hasObject(std::string_view key) const
{
    return text(key).has_value();
}

int64_t UserDefaults::integer(std::string_view key) const
{
    const auto stored = text(key);
    if (!stored)
        return 0;
    if (auto exact = parseNumber<int64_t>(*stored))
        return *exact;
    const auto number = numericValue(*stored);
    if (!number || !std::isfinite(*number) || std::fabs(*number) >= 9.2e18)
        return 0;
    return static_cast<int64_t>(*number);
}

bool UserDefaults::boolean(std::string_view key) const
{
    const auto stored = text(key);
    if (!stored)
        return false;
    const auto number = numericValue(*stored);
    return number && *number != 0.0;
}

float UserDefaults::floatValue(std::string_view key) const
{
    const auto stored = text(key);
    if (!stored)
        return 0.0f;
    if (auto exact = parseNumber<float>(*stored))
        return *exact;
    return static_cast<float>(numericValue(*stored).value_or(0.0));
}

double UserDefaults::doubleValue(std::string_view key) const
{
    const auto stored = text(key);
    return stored ? numericValue(*stored).value_or(0.0) : 0.0;
}

std::optional<std::string> UserDefaults::string(std::string_view key) const
{
    return text(key);
}

bool UserDefaults::setBool(std::string_view key, bool value)
{
    return store(key, valueText(value));
}

bool UserDefaults::setInteger(std::string_view key, int64_t value)
{
    return store(key, valueText(value));
}

bool UserDefaults::setFloat(std::string_view key, float value)
{
    return store(key, valueText(value));
}

bool UserDefaults::setDouble(std::string_view key, double value)
{
    return store(key, valueText(value));
}

bool UserDefaults::setString(std::string_view key, std::string_view value)
{
    return store(key, std::string(value));
}

bool UserDefaults::store(std::string_view key, const std::string& text)
{
    std::lock_guard lock(mutex_);
    reloadAfterError();
    settings_->setValue(qKey(key), QString::fromStdString(text));
    return syncOrReload();
}

bool UserDefaults::removeObject(std::string_view key)
{
    std::lock_guard lock(mutex_);
    reloadAfterError();
    settings_->remove(qKey(key));
    return syncOrReload();
}

bool UserDefaults::syncOrReload()
{
    settings_->sync();
    if (settings_->status() == QSettings::NoError) {
        // An empty file is what a kill during a rewrite leaves, so one with no keys is not kept.
        if (settings_->allKeys().isEmpty())
            QFile::remove(QString::fromStdString(filePath_));
        // The file holds the user's cars with their serial numbers. A rewrite keeps the mode it finds.
        restrictToOwner(filePath_);
        return true;
    }
    logToSystem(SystemLogType::error, "The settings file " + filePath_ + " could not be written.");
    reloadAfterError();
    return false;
}

void UserDefaults::reloadAfterError()
{
    // The settings object keeps an error for good, so it is made anew from the file: the change
    // that failed is dropped, and each later write reports its own result.
    if (settings_->status() != QSettings::NoError)
        settings_ = openSettings(QString::fromStdString(filePath_));
}

void UserDefaults::registerDefaults(const std::map<std::string, Value>& defaults)
{
    std::lock_guard lock(mutex_);
    for (const auto& [key, value] : defaults)
        registered_.insert_or_assign(key, valueText(value));
}

} // namespace foundation
