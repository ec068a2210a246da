#pragma once

#include <memory>
#include <vector>

namespace ui {

// One placement rule of a view that code reads back: a constant (a distance, a length), a priority
// and whether it takes part. There is no solver: the view that owns the rule applies its constant,
// and among alternatives the active rule of the highest priority wins.
class LayoutConstraint {
public:
    static constexpr float required = 1000;
    static constexpr float defaultHigh = 750;
    static constexpr float defaultLow = 250;

    explicit LayoutConstraint(double constant = 0, float priority = required) : constant(constant), priority(priority) {}

    double constant;
    float priority;
    bool isActive = true;

    // The active rule of the highest priority (the first of equals), or null when none is active.
    static const LayoutConstraint* strongest(const std::vector<std::shared_ptr<LayoutConstraint>>& alternatives)
    {
        const LayoutConstraint* best = nullptr;
        for (const auto& candidate : alternatives)
            if (candidate && candidate->isActive && (!best || candidate->priority > best->priority))
                best = candidate.get();
        return best;
    }
};

} // namespace ui
