#include "Class/UI/PlanConfirmation/View/PlanConfirmationScene.h"

#include "Class/UI/Base/View/ScreenStyle.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewVertical.h"
#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleView.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"

#include "R.h"

#include "ui/Button.h"

namespace tolvane::app {
namespace {

constexpr double MARGIN = 24;
constexpr double BUTTON_HEIGHT = 56;
constexpr double PREVIEW_TOP = 104;
constexpr double PREVIEW_HEIGHT = 452;

} // namespace

void PlanConfirmationScene::build(PlanConfirmationViewController& screen)
{
    const ui::Rect area = ScreenStyle::contentBounds();
    const double width = area.width();
    auto root = std::make_shared<ui::View>(area);
    root->setBackgroundColor(ScreenStyle::background());
    std::weak_ptr<PlanConfirmationViewController> weak = std::static_pointer_cast<PlanConfirmationViewController>(screen.shared_from_this());

    screen.planTitleView = std::make_shared<ParkingPlanTitleView>(ui::Rect{MARGIN, 16, width - 2 * MARGIN, 80});
    const ui::Rect previewFrame{MARGIN, PREVIEW_TOP, width - 2 * MARGIN, PREVIEW_HEIGHT};
    screen.inPlanView = std::make_shared<InPreview>(previewFrame);
    screen.outPlanViewParallel = std::make_shared<OutPreviewParallel>(previewFrame);
    screen.outPlanViewVertical = std::make_shared<OutPreviewVertical>(previewFrame);
    screen.frontBackPlanView = std::make_shared<FrontBackPreview>(previewFrame);

    const double buttonTop = area.height() - ScreenStyle::bottomInset() - 16 - BUTTON_HEIGHT;
    const double stopWidth = 112;
    auto stopButton = std::make_shared<ui::Button>(ui::Rect{MARGIN, buttonTop, stopWidth, BUTTON_HEIGHT});
    ScreenStyle::outlineButton(*stopButton, ScreenStyle::alert());
    stopButton->setTitle(R::string::localizable::Parking_StopButton(textLanguages()), ui::ControlState::normal);
    stopButton->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = weak.lock())
            self->onTapStopButton();
    });
    const double decideLeft = MARGIN + stopWidth + 12;
    screen.decideButton = std::make_shared<ui::Button>(ui::Rect{decideLeft, buttonTop, width - MARGIN - decideLeft, BUTTON_HEIGHT});
    ScreenStyle::primaryButton(*screen.decideButton);
    screen.decideButton->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = weak.lock())
            self->onTapDecideButton();
    });

    for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{screen.planTitleView, screen.inPlanView, screen.outPlanViewParallel,
                                                                             screen.outPlanViewVertical, screen.frontBackPlanView, stopButton,
                                                                             screen.decideButton})
        root->addSubview(view);
    screen.setView(root);
}

} // namespace tolvane::app
