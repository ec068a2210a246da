#pragma once

// The screens whose own issues have not built them yet. Each has the view-model protocol, the view
// model and the controller the router and the assemblies name, with the answers its screen gives to
// the base view model's overridable members. A screen built later replaces its lines here.

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/StandIn/StandInViewModel.h"

#include <memory>

namespace tolvane::app {

// The view-model protocol of a screen not built yet.
template <class Screen>
class IStandInScreenViewModel {
public:
    virtual ~IStandInScreenViewModel() = default;
};

using IFirstTutorialFlowViewModel = IStandInScreenViewModel<struct FirstTutorialFlowScreen>;
using ITutorialMenuViewModel = IStandInScreenViewModel<struct TutorialMenuScreen>;
using ITutorialConnectionFlowViewModel = IStandInScreenViewModel<struct TutorialConnectionFlowScreen>;
using ITutorialParkInFlowViewModel = IStandInScreenViewModel<struct TutorialParkInFlowScreen>;
using ITutorialParkOutFlowViewModel = IStandInScreenViewModel<struct TutorialParkOutFlowScreen>;
using ITutorialMovieFlowViewModel = IStandInScreenViewModel<struct TutorialMovieFlowScreen>;

// A stand-in view model answering to its screen's protocol.
template <class Protocol>
class StandInScreenViewModel : public StandInViewModel, public Protocol {
public:
    using StandInViewModel::StandInViewModel;
};

// View models made from the base view model's injection alone.
#define TOLVANE_STAND_IN_VIEW_MODEL(Name)                                                                                  \
    class Name final : public StandInScreenViewModel<I##Name> {                                                            \
    public:                                                                                                                \
        explicit Name(BaseViewModelInjection injection);                                                                   \
    }

TOLVANE_STAND_IN_VIEW_MODEL(FirstTutorialFlowViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(TutorialMenuViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(TutorialConnectionFlowViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(TutorialParkInFlowViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(TutorialParkOutFlowViewModel);
TOLVANE_STAND_IN_VIEW_MODEL(TutorialMovieFlowViewModel);

#undef TOLVANE_STAND_IN_VIEW_MODEL

using TutorialMenuViewController = ScreenViewController<ITutorialMenuViewModel>;
using TutorialConnectionFlowViewController = ScreenViewController<ITutorialConnectionFlowViewModel>;
using TutorialParkInFlowViewController = ScreenViewController<ITutorialParkInFlowViewModel>;
using TutorialParkOutFlowViewController = ScreenViewController<ITutorialParkOutFlowViewModel>;
using TutorialMovieFlowViewController = ScreenViewController<ITutorialMovieFlowViewModel>;

class FirstTutorialFlowViewController final : public ScreenViewController<IFirstTutorialFlowViewModel> {
public:
    // Opened from the settings rather than at the first run.
    bool isFromSetting = false;
};

} // namespace tolvane::app
