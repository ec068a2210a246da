#include "ui/NibRegistry.h"

#include "ui/View.h"

namespace ui {

NibRegistry& NibRegistry::shared()
{
    static NibRegistry registry;
    return registry;
}

void NibRegistry::registerNib(const std::string& name, Builder builder)
{
    builders_[name] = std::move(builder);
}

void NibRegistry::remove(const std::string& name)
{
    builders_.erase(name);
}

std::shared_ptr<View> NibRegistry::instantiate(const std::string& name) const
{
    auto it = builders_.find(name);
    if (it == builders_.end() || !it->second)
        return nullptr;
    return it->second();
}

} // namespace ui
