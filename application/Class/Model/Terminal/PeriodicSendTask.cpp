#include "Class/Model/Terminal/PeriodicSendTask.h"

#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"

#include "Internal/Model/IDataCodingModel.h"
#include "foundation/Bytes.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

TerminalStore::PeriodicSendTask::PeriodicSendTask(std::shared_ptr<IDataCodingModel> dataCodingModel)
    : dataCodingModel_(std::move(dataCodingModel))
{
}

void TerminalStore::PeriodicSendTask::setDataSource(const std::shared_ptr<TerminalStorePeriodicSendTaskDataSource>& dataSource)
{
    references_.withLock([&](References& references) { references.dataSource = dataSource; });
}

void TerminalStore::PeriodicSendTask::start()
{
    refresh();
    DataTransmissionCenter::shared()->setPeriodicTask([weak = weak_from_this()] {
        if (auto task = weak.lock())
            task->sendData();
    });
}

void TerminalStore::PeriodicSendTask::refresh()
{
    foundation::RunLoop::main().post([weak = weak_from_this()] {
        auto task = weak.lock();
        if (!task)
            return;
        task->references_.withLock([](References& references) {
            auto dataSource = references.dataSource.lock();
            references.terminal = dataSource ? dataSource->terminal() : nullptr;
        });
    });
}

void TerminalStore::PeriodicSendTask::sendData()
{
    const References references = references_.copy();
    if (references.dataSource.expired())
        return;
    const std::shared_ptr<Terminal> terminal = references.terminal.lock();
    foundation::RunLoop::main().post([weak = weak_from_this()] {
        if (auto task = weak.lock())
            task->checkBluetoothReturn();
    });
    if (!terminal || !dataCodingModel_)
        return;
    const foundation::Bytes data = dataCodingModel_->encode();
    myLog("蓝牙数据", [data] { return "发送数据：" + foundation::hexString(data, " "); }, false, "sendData()");
    terminal->_sendOperationData(data);
}

void TerminalStore::PeriodicSendTask::checkBluetoothReturn()
{
    const auto dataSource = references_.copy().dataSource.lock();
    const bool poweredOn = dataSource && dataSource->centralState() == bt::PowerState::poweredOn;
    if (!previousBluetooth_ && poweredOn) {
        auto store = TerminalStore::shared();
        if (store->terminal() || store->targetTerminalUdid()) {
            store->closeTerminal();
            LogManager::print("Try to reopen terminal.", LogLevel::information, {.function = "sendData()"});
            store->reopen();
        }
    }
    previousBluetooth_ = poweredOn;
}

} // namespace tolvane::app
