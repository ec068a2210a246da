#pragma once

#include "di/Container.h"

#include <memory>
#include <string>
#include <vector>

namespace di {

// A group of registrations.
class Assembly {
public:
    virtual ~Assembly() = default;
    // A name unique to the assembly's class; an assembly of a given name is assembled once per container.
    virtual std::string name() const = 0;
    virtual void assemble(Container& container) = 0;
    // Runs after every assembly of the assembler registered.
    virtual void loaded(Resolver&) {}
};

// Assembles the given assemblies into a container in order, then tells each it was loaded.
// Assembling the same assemblies into the same container again changes nothing.
class Assembler {
public:
    Assembler(std::vector<std::shared_ptr<Assembly>> assemblies, Container& container);
    Container& resolver() { return container_; }

private:
    Container& container_;
};

} // namespace di
