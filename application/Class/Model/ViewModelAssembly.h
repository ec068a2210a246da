#pragma once

#include "di/Assembly.h"

namespace tolvane::app {

// Registers the view models of every screen, the interruption alert's model and the injection they
// share. The disclaimer, touch test, connecting and operating screens share one view model each for
// the container's life; every other screen gets a new one.
class ViewModelAssembly final : public di::Assembly {
public:
    std::string name() const override { return "tolvane::app::ViewModelAssembly"; }
    void assemble(di::Container& container) override;
};

} // namespace tolvane::app
