#include "Class/UI/Operating/View/OperatingModelView.h"

#include "Class/UI/Operating/View/ResolveOrStop.h"

#include "ui/NibRegistry.h"

namespace tolvane::app {

std::shared_ptr<ui::View> OperatingModelView::loadContent(const char* nibName)
{
    auto content = ui::NibRegistry::shared().instantiate(nibName);
    if (!content)
        return nullptr;
    content->setFrame({0, 0, bounds().width(), bounds().height()});
    addSubview(content);
    content_ = content;
    viewModel_ = resolveOrStop<IOperatingViewModel>();
    return content;
}

void OperatingModelView::layoutSubviews()
{
    if (content_)
        content_->setFrame({0, 0, bounds().width(), bounds().height()});
    cancellables_.removeAll();
    if (!viewModel_)
        return;
    subscribe(viewModel_, cancellables_);
    std::weak_ptr<ui::View> weak = weak_from_this();
    cancellables_.insert(viewModel_->controlAction().dropFirst().sink([this, weak](const IOperatingViewModel::ControlAction& action) {
        if (!weak.expired() && std::holds_alternative<IOperatingViewModel::ControlAction::willDisappear>(action.value))
            cancellables_.removeAll();
    }));
}

} // namespace tolvane::app
