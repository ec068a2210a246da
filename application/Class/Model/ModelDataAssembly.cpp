#include "Class/Model/ModelDataAssembly.h"

#include "Class/Model/AssemblyResolution.h"
#include "Class/Model/TransitionManager.h"

#include "Internal/Model/IDisplayModel.h"

namespace tolvane::app {

void ModelDataAssembly::assemble(di::Container& container)
{
    constexpr AssemblyResolution resolution{"TolvaneIntegrationApp/ModelDataAssembly"};
    container
        .registerService<ITransitionManager>([resolution](di::Resolver& resolver) -> std::shared_ptr<ITransitionManager> {
            return std::make_shared<TransitionManager>(resolution.resolve<IDisplayModel>(resolver, 20));
        })
        .inObjectScope(di::ObjectScope::container);
}

} // namespace tolvane::app
