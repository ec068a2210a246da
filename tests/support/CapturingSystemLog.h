#pragma once

#include "foundation/SystemLog.h"

#include <mutex>
#include <string>
#include <vector>

namespace testing_support {

// Records every line written to the system log while installed.
class CapturingSystemLog final : public foundation::SystemLogSink {
public:
    struct Record {
        foundation::SystemLogType type;
        std::string subsystem;
        std::string category;
        std::string line;
    };

    bool isEnabled(foundation::SystemLogType type) const override { return type != disabled; }
    void write(foundation::SystemLogType type, std::string_view subsystem, std::string_view category,
               std::string_view line) override
    {
        std::lock_guard lock(mutex);
        records.push_back({type, std::string(subsystem), std::string(category), std::string(line)});
    }
    std::vector<std::string> lines() const
    {
        std::lock_guard lock(mutex);
        std::vector<std::string> result;
        for (const auto& record : records)
            result.push_back(record.line);
        return result;
    }

    mutable std::mutex mutex;
    std::vector<Record> records;
    // A type the "system" reports as disabled; none by default.
    foundation::SystemLogType disabled = static_cast<foundation::SystemLogType>(-1);
};

// Installs a capturing sink for the lifetime of a test.
class ScopedSystemLogCapture {
public:
    ScopedSystemLogCapture() : sink_(std::make_shared<CapturingSystemLog>()) { foundation::setSystemLogSink(sink_); }
    ~ScopedSystemLogCapture() { foundation::setSystemLogSink(nullptr); }
    CapturingSystemLog& operator*() const { return *sink_; }
    CapturingSystemLog* operator->() const { return sink_.get(); }

private:
    std::shared_ptr<CapturingSystemLog> sink_;
};

} // namespace testing_support
