#pragma once

#include "di/Assembly.h"

namespace tolvane::app {

// Registers the screen router, one for the container's life.
class ModelDataAssembly final : public di::Assembly {
public:
    std::string name() const override { return "tolvane::app::ModelDataAssembly"; }
    void assemble(di::Container& container) override;
};

} // namespace tolvane::app
