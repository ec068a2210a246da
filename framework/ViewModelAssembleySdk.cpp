#include "ViewModelAssembleySdk.h"

#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "RingViewModel.h"
#include "SlideViewModel.h"

namespace tolvane {

// One row per view model, with the services it is built from in the order its constructor takes them.
// A missing one ends the process naming its row's line.
void ViewModelAssembleySdk::assemble(di::Container& container)
{
    di::registerSingleton<IRingViewModel, RingViewModel, IInternalSendBTData, IInternalSdkStateData,
                          IInternalDisplayData, IWillArbitrateData>(container);
    di::registerSingleton<ISlideViewModel, SlideViewModel, IInternalSendBTData, IInternalSdkStateData,
                          IInternalDisplayData, IWillArbitrateData, IVibrateControl>(container);
}

} // namespace tolvane
