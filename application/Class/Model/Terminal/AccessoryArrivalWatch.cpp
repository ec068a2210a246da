#include "Class/Model/Terminal/AccessoryArrivalWatch.h"

#include "accessory/AccessoryManager.h"

namespace tolvane::app {

AccessoryArrivalWatch::AccessoryArrivalWatch(std::shared_ptr<accessory::AccessoryManager> manager)
    : manager_(std::move(manager))
{
}

void AccessoryArrivalWatch::follow(Handler arrived, Handler left)
{
    observers_.removeAll();
    observers_.insert(manager_->accessoryDidConnect().sink(std::move(arrived)));
    observers_.insert(manager_->accessoryDidDisconnect().sink(std::move(left)));
    manager_->registerForLocalNotifications();
}

void AccessoryArrivalWatch::stop()
{
    manager_->unregisterForLocalNotifications();
    observers_.removeAll();
}

} // namespace tolvane::app
