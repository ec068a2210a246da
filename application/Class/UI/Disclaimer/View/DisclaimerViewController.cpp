#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/DataController.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Base/View/ScreenElements.h"
#include "Class/UI/Disclaimer/View/DisclaimerPopViewController.h"

#include "ui/View.h"

namespace tolvane::app {

DisclaimerViewController::DisclaimerViewController() : popupTransition_(std::make_shared<PopupTransition>()) {}

DisclaimerViewController::~DisclaimerViewController() = default;

void DisclaimerViewController::loadView()
{
    auto root = ScreenElements::groundView();
    setView(root);
}

void DisclaimerViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    viewModel->setAction(DisclaimerAction::none{});
    std::weak_ptr<DisclaimerViewController> weak = std::static_pointer_cast<DisclaimerViewController>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IDisclaimerViewModel::Action& action) {
        if (const auto self = weak.lock())
            self->apply(action);
    }));
    if (const auto& car = CarRecordStore::shared().selectedCarRecord)
        DataController::shared().updateHistory(currentHistoryId().copy(), car->CarID, car->CarName);
}

void DisclaimerViewController::viewDidAppear(bool animated)
{
    ScreenViewController::viewDidAppear(animated);
    viewModel->onViewDidAppear();
}

void DisclaimerViewController::apply(const IDisclaimerViewModel::Action& action)
{
    if (const auto* dismissPopup = std::get_if<DisclaimerAction::dismissPopup>(&action)) {
        if (const auto popup = popupVc.lock())
            popup->dismiss(true, dismissPopup->completion);
    } else if (const auto* dismissAll = std::get_if<DisclaimerAction::dismiss>(&action)) {
        dismiss(true, dismissAll->completion);
    } else if (std::holds_alternative<DisclaimerAction::showDisclaimerPop>(action)) {
        showDisclaimerPop();
    }
}

void DisclaimerViewController::showDisclaimerPop()
{
    auto popup = std::make_shared<DisclaimerPopViewController>();
    popup->viewModel = viewModel;
    popup->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    popup->setTransitioningDelegate(popupTransition_);
    present(popup, true);
    popupVc = popup;
}

} // namespace tolvane::app
