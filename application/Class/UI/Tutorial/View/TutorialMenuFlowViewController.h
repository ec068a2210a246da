#pragma once

#include "Class/UI/Tutorial/View/TutorialScenes.h"
#include "Class/UI/Tutorial/View/TutorialStoryboardFlowViewController.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuFlowViewModel.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::app {

// One of the tutorials the menu opens: the frame's paging over the flow's own pages.
template <class Flow>
class TutorialMenuFlowViewController final : public TutorialStoryboardFlowViewController {
public:
    using ViewModelType = ITutorialMenuFlowViewModel<Flow>;
    TutorialMenuFlowViewController() : TutorialStoryboardFlowViewController(TutorialScenes::pageStoryboards<Flow>()) {}

    std::shared_ptr<ViewModelType> viewModel;
};

using TutorialConnectionFlowViewController = TutorialMenuFlowViewController<TutorialConnectionFlow>;
using TutorialParkInFlowViewController = TutorialMenuFlowViewController<TutorialParkInFlow>;
using TutorialParkOutFlowViewController = TutorialMenuFlowViewController<TutorialParkOutFlow>;
using TutorialMovieFlowViewController = TutorialMenuFlowViewController<TutorialMovieFlow>;

} // namespace tolvane::app
