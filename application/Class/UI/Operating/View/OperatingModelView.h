#pragma once

#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "rx/Cancellable.h"
#include "ui/View.h"

#include <memory>

namespace tolvane::app {

// A view of the operating screen that loads its own nib and follows the operating view model by
// itself: it subscribes again on every layout pass and drops its subscriptions when the screen
// goes away. Main thread only.
class OperatingModelView : public ui::View {
public:
    using ui::View::View;

    void layoutSubviews() override;

protected:
    // The nib's first view as this view's content, and the shared view model; the content, or null
    // when the nib holds no view (the view then stays inert).
    std::shared_ptr<ui::View> loadContent(const char* nibName);
    // The subscriptions of one layout pass, kept until the next pass or the screen's going.
    virtual void subscribe(const std::shared_ptr<IOperatingViewModel>& viewModel, rx::CancellableSet& subscriptions) = 0;

private:
    std::shared_ptr<IOperatingViewModel> viewModel_;
    std::shared_ptr<ui::View> content_;
    rx::CancellableSet cancellables_;
};

} // namespace tolvane::app
