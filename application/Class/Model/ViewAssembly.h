#pragma once

#include "di/Assembly.h"

namespace tolvane::app {

// Wires the screens: each screen's storyboard, and the step that hands a screen coming out of its
// storyboard its view model; and the interruption alert with its own model.
class ViewAssembly final : public di::Assembly {
public:
    std::string name() const override { return "tolvane::app::ViewAssembly"; }
    void assemble(di::Container& container) override;
};

} // namespace tolvane::app
