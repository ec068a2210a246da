#include "Class/Model/Utility/LibraryBundle.h"

#include <mutex>

namespace tolvane::app {
namespace {

std::mutex bundleMutex;
std::shared_ptr<const foundation::Bundle> replacement;

} // namespace

std::shared_ptr<const foundation::Bundle> libraryBundle()
{
    static const auto compiledIn = std::make_shared<const foundation::Bundle>(":/TolvaneIntegrationApp", TOLVANE_APP_VERSION);
    std::lock_guard lock(bundleMutex);
    return replacement ? replacement : compiledIn;
}

void setLibraryBundle(std::shared_ptr<const foundation::Bundle> bundle)
{
    std::lock_guard lock(bundleMutex);
    replacement = std::move(bundle);
}

} // namespace tolvane::app
