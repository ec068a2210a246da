#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

class QSettings;

namespace foundation {

class Clock;

// The user's settings: typed values by key in one settings file, over a layer of registered
// defaults that is never stored. Every setter writes the whole file to a temporary file and
// renames it over the old one before it returns, so a crash at any point leaves either the old
// or the new file, and a setter that returned true survives it. Safe from any thread.
class UserDefaults {
public:
    using Value = std::variant<bool, int64_t, float, double, std::string>;

    // How a damaged file is replaced: which of its keys are worth carrying over (all when unset), and
    // the clock that dates the kept copy (the system's when unset).
    struct Recovery {
        std::function<bool(std::string_view key)> isKnownKey = {};
        const Clock* clock = nullptr;
    };

    // A file that cannot be read (empty, malformed, or something other than a file in its place) is
    // kept beside it as "<file>.unreadable-<yyyyMMddHHmmss>" and the known keys that could be read
    // from it are carried over, with one line in the system log.
    UserDefaults(std::string filePath, Recovery recovery);
    explicit UserDefaults(std::string filePath);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    // The process-wide settings, in the file of userDefaultsFilePath() unless replaced.
    static std::shared_ptr<UserDefaults> standard();
    static void setStandard(std::shared_ptr<UserDefaults> defaults);
    // How the process-wide settings recover a damaged file; set before their first use.
    static void setStandardRecovery(Recovery recovery);

    const std::string& filePath() const { return filePath_; }

    // True when a value is stored or registered under the key.
    bool hasObject(std::string_view key) const;

    // Typed reads convert what is there: a number from text, 1 or 0 from true or false, true from
    // "true", "YES" or a non-zero number. An absent key or text that is no number reads as 0 or false.
    int64_t integer(std::string_view key) const;
    bool boolean(std::string_view key) const;
    float floatValue(std::string_view key) const;
    double doubleValue(std::string_view key) const;
    std::optional<std::string> string(std::string_view key) const;

    // Each returns true once the value is safely in the file.
    bool setBool(std::string_view key, bool value);
    bool setInteger(std::string_view key, int64_t value);
    bool setFloat(std::string_view key, float value);
    bool setDouble(std::string_view key, double value);
    bool setString(std::string_view key, std::string_view value);
    bool removeObject(std::string_view key);

    // Values that count while nothing is stored under their key; kept in memory only.
    void registerDefaults(const std::map<std::string, Value>& defaults);

private:
    std::optional<std::string> text(std::string_view key) const;
    bool store(std::string_view key, const std::string& text);
    bool syncOrReload();
    void reloadAfterError();
    void recoverUnreadableFile(const std::string& why, const Recovery& recovery);

    const std::string filePath_;
    mutable std::mutex mutex_;
    std::unique_ptr<QSettings> settings_;
    std::map<std::string, std::string, std::less<>> registered_;
};

} // namespace foundation
