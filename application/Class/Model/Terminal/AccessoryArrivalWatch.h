#pragma once

#include "accessory/Accessory.h"
#include "rx/Cancellable.h"

#include <functional>
#include <memory>

namespace accessory {
class AccessoryManager;
}

namespace tolvane::app {

// Follows the accessories that arrive and leave, through the accessory backend's local notices.
// Main thread only.
class AccessoryArrivalWatch {
public:
    using Handler = std::function<void(const accessory::AccessoryRef&)>;

    explicit AccessoryArrivalWatch(std::shared_ptr<accessory::AccessoryManager> manager);

    // Following again replaces the earlier handlers, so no notice is handled twice.
    void follow(Handler arrived, Handler left);
    // Ends the notices and drops the handlers.
    void stop();

private:
    const std::shared_ptr<accessory::AccessoryManager> manager_;
    rx::CancellableSet observers_;
};

} // namespace tolvane::app
