#include "Class/Model/Terminal/DataReceiveCenter.h"

namespace tolvane::app {

DataReceiveCenter::DataReceiveCenter()
    : TaskCenter({.startLine = "受信スレッド立ち上げ",
                  .nameSuffix = "data_receive",
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
