#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {

class View;

// Interface files for reusable views: one builder per nib name that makes the nib's first
// top-level view with its content. The builders are code, registered at start-up.
class NibRegistry {
public:
    using Builder = std::function<std::shared_ptr<View>()>;

    static NibRegistry& shared();

    void registerNib(const std::string& name, Builder builder);
    void remove(const std::string& name);
    // The nib's first top-level view, or null when there is no such nib or it holds no view.
    std::shared_ptr<View> instantiate(const std::string& name) const;

private:
    std::map<std::string, Builder> builders_;
};

} // namespace ui
