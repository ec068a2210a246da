#include "di/Assembly.h"

namespace di {

Assembler::Assembler(std::vector<std::shared_ptr<Assembly>> assemblies, Container& container)
    : container_(container)
{
    std::vector<std::shared_ptr<Assembly>> fresh;
    for (auto& assembly : assemblies)
        if (container.markAssembled(assembly->name()))
            fresh.push_back(assembly);
    for (auto& assembly : fresh)
        assembly->assemble(container);
    for (auto& assembly : fresh)
        assembly->loaded(container);
}

} // namespace di
