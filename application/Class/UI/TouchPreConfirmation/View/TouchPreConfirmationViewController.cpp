#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"

#include "Class/SharedObject/Application.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"
#include "Class/UI/TouchPreConfirmation/View/ScratchElementView.h"
#include "Class/UI/TouchPreConfirmation/View/ScratchPicture.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "foundation/NotificationCenter.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr int CELL_SIZE = 4;

} // namespace

void TouchPreConfirmationViewController::loadView()
{
    TouchPreConfirmationScene::build(*this);
}

void TouchPreConfirmationViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("TouchPreConfirmationViewController has no view model");
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::TouchPreConfirmation_Title(languages));
    InfoLabel->setText(R::string::localizable::TouchPreConfirmation_Info(languages));
    guidanceLabel->setText(R::string::localizable::TouchPreConfirmation_Guidance(languages));
    // The picture lies exactly over the slider's target area; the root view starts below the bar.
    const ui::Rect operate = viewModel->operateFrame();
    const ui::Rect inRoot = TouchPreConfirmationScene::fromWindow(operate);
    scratchImage->setFrame({inRoot.minX(), inRoot.minY(), operate.width() - 3.0, operate.height() - 3.0});
    scratchImage->layer().setCornerRadius(12.0);
    touchDetectorView->setFrame(inRoot);
    ui::Rect guidance = guidanceLabel->frame();
    guidanceLabel->setFrame({guidance.minX(), inRoot.minY() - guidance.height() - 16, guidance.width(), guidance.height()});
    makeCells();
    scratchImage->setImage(ScratchPicture::draw());
}

void TouchPreConfirmationViewController::makeCells()
{
    const ui::Rect operate = viewModel->operateFrame();
    const ui::Rect picture = TouchPreConfirmationScene::toWindow(scratchImage->frame());
    const int columns = static_cast<int>(operate.width() / CELL_SIZE);
    const int rows = static_cast<int>(operate.height() / CELL_SIZE);
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            auto cell = std::make_shared<ScratchElementView>(
                ui::Rect{operate.minX() + CELL_SIZE * i - picture.minX(), operate.minY() + CELL_SIZE * j - picture.minY(), CELL_SIZE, CELL_SIZE},
                ScratchElementView::Id{i, j, i * rows + j});
            scratchImage->addSubview(cell);
            scratchElements.push_back(std::move(cell));
        }
    }
}

void TouchPreConfirmationViewController::viewWillAppear(bool animated)
{
    TolvaneBaseViewController::viewWillAppear(animated);
    InfoLabel->setHidden(false);
    checkImage->setHidden(true);
    guidanceLabel->setHidden(false);
    viewModel->bind(*touchDetectorView);
    std::weak_ptr<TouchPreConfirmationViewController> weak = std::static_pointer_cast<TouchPreConfirmationViewController>(shared_from_this());
    cancellables.insert(viewModel->action().publisher().sink([weak](TouchPreConfirmationAction action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
    cancellables.insert(viewModel->progress().sink([weak](float progress) {
        if (auto self = weak.lock())
            self->showProgress(progress);
    }));
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(Application::didBecomeActiveNotification, [weak] {
            if (auto self = weak.lock())
                self->viewModel->restart();
        }));
    cancellables.insert(rx::Cancellable([observation] { observation->reset(); }));
    subscribeCells();
    viewModel->action().send(TouchPreConfirmationAction::reset);
    setNavigationBarLeftButton();
}

void TouchPreConfirmationViewController::subscribeCells()
{
    scratchElementCancellables.removeAll();
    for (const auto& cell : scratchElements) {
        cell->isCheckCompleted = false;
        std::weak_ptr<ScratchElementView> weakCell = cell;
        scratchElementCancellables.insert(viewModel->action().publisher().dropFirst().sink([weakCell](TouchPreConfirmationAction action) {
            if (auto alive = weakCell.lock(); alive && !alive->isCheckCompleted)
                alive->onAction(action);
        }));
        scratchElementCancellables.insert(viewModel->touchInfo().dropFirst().sink([weakCell](const TouchInfo& info) {
            if (auto alive = weakCell.lock(); alive && !alive->isCheckCompleted)
                alive->onTouchInfo(info);
        }));
    }
}

void TouchPreConfirmationViewController::viewWillDisappear(bool animated)
{
    // The base ends the screen's subscriptions and resets the view model, grid included.
    TolvaneBaseViewController::viewWillDisappear(animated);
    scratchElementCancellables.removeAll();
}

void TouchPreConfirmationViewController::apply(TouchPreConfirmationAction action)
{
    switch (action) {
    case TouchPreConfirmationAction::reset:
        showProgress(0);
        break;
    case TouchPreConfirmationAction::checkComplete:
        InfoLabel->setHidden(true);
        checkImage->setHidden(false);
        guidanceLabel->setHidden(true);
        break;
    case TouchPreConfirmationAction::multiTap:
    case TouchPreConfirmationAction::radiusSmall:
        // The third failure ends the test without a pop-up.
        if (++viewModel->restartCount() > viewModel->maxRestartCount() - 1) {
            viewModel->restartCount() = 0;
            viewModel->cancelTouchTest();
        } else {
            viewModel->action().send(TouchPreConfirmationAction::waitRestart);
        }
        break;
    case TouchPreConfirmationAction::waitRestart:
        showMultiTouchPopup();
        break;
    case TouchPreConfirmationAction::none:
    case TouchPreConfirmationAction::cancelApp:
        break;
    }
}

void TouchPreConfirmationViewController::showProgress(double value)
{
    circleProgressView->maxValue = 1.0;
    circleProgressView->value = std::min(value, 1.0);
    circleProgressView->setNeedsDisplay();
}

void TouchPreConfirmationViewController::showMultiTouchPopup()
{
    const auto languages = textLanguages();
    auto popup = std::make_shared<CustomAlertController>(R::string::localizable::TouchPreConfirmation_Popup_Message(languages), std::nullopt,
                                                         CustomAlertControlerStyle::alert);
    std::weak_ptr<ITouchPreConfirmationViewModel> weakModel = viewModel;
    popup->addAction(std::make_shared<CustomAlertAction>(R::string::localizable::TouchPreConfirmation_Popup_OK(languages),
                                                         CustomAlertControllerAction::defaultAction, [weakModel](CustomAlertAction&) {
                                                             if (auto model = weakModel.lock())
                                                                 model->restart();
                                                         }));
    popup->addAction(std::make_shared<CustomAlertAction>(R::string::localizable::TouchPreConfirmation_Popup_Cancel(languages),
                                                         CustomAlertControllerAction::cancel, [weakModel](CustomAlertAction&) {
                                                             if (auto model = weakModel.lock())
                                                                 model->cancelTouchTest();
                                                         }));
    presentPopup(popup);
}

void TouchPreConfirmationViewController::tapNavigationButtonSetting()
{
    baseViewModel->showSettings();
    // A pending move to the next screen is dropped.
    if (const auto& timer = viewModel->nextViewTimer())
        timer->invalidate();
}

void TouchPreConfirmationViewController::tapNavigationButtonLeave()
{
    leaveForHost();
}

} // namespace tolvane::app
