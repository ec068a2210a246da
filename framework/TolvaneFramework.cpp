#include "TolvaneFramework.h"

#include "ModelDataAssembleySdk.h"
#include "ViewModelAssembleySdk.h"

namespace tolvane {

TolvaneFramework::TolvaneFramework()
    : assember({std::make_shared<ModelDataAssembleySdk>(), std::make_shared<ViewModelAssembleySdk>()},
               di::Container::defaultContainer())
{
}

} // namespace tolvane
