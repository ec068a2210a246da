#pragma once

#include "di/Assembly.h"

namespace tolvane {

// Registers the view models of the ring and the slider, each built on its first resolve and kept by
// the container.
class ViewModelAssembleySdk final : public di::Assembly {
public:
    std::string name() const override { return "ViewModelAssembleySdk"; }
    void assemble(di::Container& container) override;
};

} // namespace tolvane
