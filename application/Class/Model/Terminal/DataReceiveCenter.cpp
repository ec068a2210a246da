#include "Class/Model/Terminal/DataReceiveCenter.h"

#include "Class/SharedObject/AppThreadPolicy.h"

namespace tolvane::app {

DataReceiveCenter::DataReceiveCenter()
    : TaskCenter({.startLine = "受信スレッド立ち上げ",
                  .threadName = &AppThreadPolicy::dataReceive,
                  .priority = 0.9,
                  .singleTasksInterval = SINGLE_TASKS_INTERVAL})
{
}

std::shared_ptr<DataReceiveCenter> DataReceiveCenter::shared()
{
    return SharedCenterSlot<DataReceiveCenter>::get();
}

void DataReceiveCenter::destroy()
{
    destroyCenter(SharedCenterSlot<DataReceiveCenter>::take());
}

} // namespace tolvane::app
