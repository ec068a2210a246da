#pragma once

#include "di/Assembly.h"

namespace tolvane {

// Registers every store, detector, codec, controller and service of the framework, each built on its
// first resolve and kept by the container.
class ModelDataAssembleySdk final : public di::Assembly {
public:
    std::string name() const override { return "ModelDataAssembleySdk"; }
    void assemble(di::Container& container) override;
};

} // namespace tolvane
