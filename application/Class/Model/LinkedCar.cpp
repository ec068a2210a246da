#include "Class/Model/LinkedCar.h"

#include "Class/Model/Terminal/TerminalStore.h"

#include <algorithm>

namespace tolvane::app {

bool isLinkedCar(const std::string& carID)
{
    const auto store = TerminalStore::shared();
    return store->isConnected(carID) || store->targetTerminalUdid() == carID;
}

std::optional<CarRecord> firstLinkedCar(const std::vector<CarRecord>& records)
{
    const auto linked = std::find_if(records.begin(), records.end(), [](const CarRecord& record) { return isLinkedCar(record.CarID); });
    if (linked == records.end())
        return std::nullopt;
    return *linked;
}

} // namespace tolvane::app
