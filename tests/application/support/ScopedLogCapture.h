#pragma once

#include "Class/Model/Utility/DailyLogger.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/VirtualTime.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// Puts a set-up logger behind LogManager for the lifetime of a test, writing into a temporary
// folder on a logging queue the test drains.
class ScopedLogCapture {
public:
    ScopedLogCapture()
        : queue_(time_.makeLoop("com.tolvane.control.logging")),
          logger_(std::make_shared<tolvane::app::DailyLogger>(tolvane::app::DailyLogger::Environment{
              .clock = time_,
              .loggingQueue = *queue_,
              .documentsDirectory = folder_.path().toStdString(),
              .appVersion = "1.0.0",
              .launchId = "LAUNCH",
          }))
    {
        tolvane::app::LogManager::install(logger_);
        logger_->setUp();
        time_.runUntilIdle();
    }
    ~ScopedLogCapture() { tolvane::app::LogManager::install(nullptr); }
    ScopedLogCapture(const ScopedLogCapture&) = delete;
    ScopedLogCapture& operator=(const ScopedLogCapture&) = delete;

    // The messages of the daily lines written so far.
    std::vector<std::string> messages()
    {
        time_.runUntilIdle();
        std::vector<std::string> result;
        QFile file(QString::fromStdString(logger_->logFilePath()));
        if (!file.open(QIODevice::ReadOnly))
            return result;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() > 8)
                result.push_back(fields[8].toStdString());
        }
        return result;
    }

    bool contains(const std::string& messageStart)
    {
        for (const std::string& message : messages())
            if (message.starts_with(messageStart))
                return true;
        return false;
    }

    foundation::VirtualTime& time() { return time_; }

private:
    foundation::VirtualTime time_;
    QTemporaryDir folder_;
    std::shared_ptr<foundation::RunLoop> queue_;
    std::shared_ptr<tolvane::app::DailyLogger> logger_;
};

} // namespace testing_support
