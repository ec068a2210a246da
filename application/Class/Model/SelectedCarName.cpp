#include "Class/Model/SelectedCarName.h"

#include "Class/Model/CarRecordStore.h"

namespace tolvane::app {

std::string selectedCarName()
{
    const auto& selected = CarRecordStore::shared().selectedCarRecord;
    return selected ? selected->CarName : std::string();
}

} // namespace tolvane::app
