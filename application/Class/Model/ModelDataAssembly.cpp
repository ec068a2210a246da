#include "Class/Model/ModelDataAssembly.h"

#include "Class/Model/AssemblyResolution.h"
#include "Class/Model/DataController.h"
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
    // The history store stays the program's one instance; the container only hands it out.
    container
        .registerService<IDataController>([](di::Resolver&) -> std::shared_ptr<IDataController> {
            return std::shared_ptr<IDataController>(&DataController::shared(), [](IDataController*) {});
        })
        .inObjectScope(di::ObjectScope::container);
}

} // namespace tolvane::app
