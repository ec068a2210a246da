// A host program of the framework: it creates the facade and resolves public services from the
// shared container.

#include "ISlideViewModel.h"
#include "Internal/Model/IBatteryModel.h"
#include "TolvaneFramework.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"

#include <cstdio>

int main()
{
    foundation::VirtualTime time;
    time.mainLoop();
    tolvane::TolvaneFramework framework;
    auto& container = di::Container::defaultContainer();

    auto battery = di::resolveOrDie<tolvane::IBatteryModel>(container);
    auto slide = di::resolveOrDie<tolvane::ISlideViewModel>(container);
    if (slide != di::resolveOrDie<tolvane::ISlideViewModel>(container))
        return 1;
    const ui::Rect start = slide->startFrame();
    std::printf("battery enough: %d, start square at %.0f,%.0f\n", battery->requestCheckBatteryLevel() ? 1 : 0,
                start.x(), start.y());
    container.removeAll();
    return start.width() == 120 ? 0 : 1;
}
