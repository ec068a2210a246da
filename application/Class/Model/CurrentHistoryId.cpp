#include "Class/Model/CurrentHistoryId.h"

#include <mutex>

namespace tolvane::app {
namespace {

std::mutex idMutex;
std::string id;

} // namespace

std::string currentHistoryId()
{
    std::lock_guard lock(idMutex);
    return id;
}

void setCurrentHistoryId(std::string newId)
{
    std::lock_guard lock(idMutex);
    id = std::move(newId);
}

} // namespace tolvane::app
