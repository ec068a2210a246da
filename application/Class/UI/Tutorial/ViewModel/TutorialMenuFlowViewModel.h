#pragma once

#include "Class/UI/Tutorial/ViewModel/TutorialFlowViewModel.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuFlow.h"

#include <string>

namespace tolvane::app {

// The view-model protocol of one menu tutorial; it asks nothing beyond the flows' own.
template <class Flow>
class ITutorialMenuFlowViewModel : public virtual ITutorialFlowViewModel {};

using ITutorialConnectionFlowViewModel = ITutorialMenuFlowViewModel<TutorialConnectionFlow>;
using ITutorialParkInFlowViewModel = ITutorialMenuFlowViewModel<TutorialParkInFlow>;
using ITutorialParkOutFlowViewModel = ITutorialMenuFlowViewModel<TutorialParkOutFlow>;
using ITutorialMovieFlowViewModel = ITutorialMenuFlowViewModel<TutorialMovieFlow>;

// A menu tutorial's view model: the flows' shared answers under the flow's own screen name.
template <class Flow>
class TutorialMenuFlowViewModel final : public TutorialFlowViewModel, public ITutorialMenuFlowViewModel<Flow> {
public:
    using TutorialFlowViewModel::TutorialFlowViewModel;

    std::string screenName() const override { return Flow::screenName; }
};

using TutorialConnectionFlowViewModel = TutorialMenuFlowViewModel<TutorialConnectionFlow>;
using TutorialParkInFlowViewModel = TutorialMenuFlowViewModel<TutorialParkInFlow>;
using TutorialParkOutFlowViewModel = TutorialMenuFlowViewModel<TutorialParkOutFlow>;
using TutorialMovieFlowViewModel = TutorialMenuFlowViewModel<TutorialMovieFlow>;

} // namespace tolvane::app
