#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/RequestIdWaiting/ViewModel/IRequestIdWaitingViewModel.h"

#include <memory>

namespace ui {
class ActivityIndicatorView;
class Label;
} // namespace ui

namespace tolvane::app {

// A spinner and a waiting text while the vehicle senses before an operation. Main thread only.
class RequestIdWaitingViewController final : public ScreenViewController<IRequestIdWaitingViewModel> {
public:
    std::shared_ptr<ui::Label> waitingLabel;
    std::shared_ptr<ui::ActivityIndicatorView> indicatorView;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void tapNavigationButtonLeave() override;
    void clearStackAlert() override;
};

} // namespace tolvane::app
