#include "Class/Model/Terminal/TerminalSendCycle.h"

#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/PeriodicSendTask.h"
#include "Class/Model/Utility/LogManager.h"

namespace tolvane::app {

void TerminalSendCycle::start(std::shared_ptr<IDataCodingModel> dataCodingModel,
                              const std::shared_ptr<TerminalStorePeriodicSendTaskDataSource>& dataSource)
{
    if (task_) {
        LogManager::print("PeriodicSendTask already exists. Method startCycle was skipped.", LogLevel::debug,
                          {.function = "startCycle()"});
        return;
    }
    LogManager::print("Start PeriodicSendTask.", LogLevel::debug, {.function = "startCycle()"});
    task_ = std::make_shared<TerminalStore::PeriodicSendTask>(std::move(dataCodingModel));
    task_->setDataSource(dataSource);
    task_->start();
}

void TerminalSendCycle::stop()
{
    if (task_)
        DataTransmissionCenter::shared()->setPeriodicTask(nullptr);
    task_.reset();
}

} // namespace tolvane::app
