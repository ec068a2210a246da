#pragma once

#include "accessory/Accessory.h"

namespace tolvane::app {

class TerminalStore;

// What the link store does when an accessory arrives or leaves: an arriving unit refreshes the
// terminal list and is reopened when it is the one the store was linked to; the departure of the
// unit in session closes the link and ends the session. Main thread only.
class AccessoryArrivalReaction {
public:
    AccessoryArrivalReaction() = delete;

    static void arrived(TerminalStore& store, const accessory::AccessoryRef& accessory);
    static void departed(TerminalStore& store, const accessory::AccessoryRef& accessory);
};

} // namespace tolvane::app
