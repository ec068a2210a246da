#include "Class/Model/Utility/DeviceDescription.h"

#include <mutex>

namespace tolvane::app {
namespace {

std::mutex descriptionMutex;
std::string description;

} // namespace

std::string deviceDescription()
{
    std::lock_guard lock(descriptionMutex);
    return description;
}

void setDeviceDescription(std::string newDescription)
{
    std::lock_guard lock(descriptionMutex);
    description = std::move(newDescription);
}

} // namespace tolvane::app
