#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleViewNib.h"

#include "Class/UI/Base/View/ScreenStyle.h"
#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleView.h"

#include "ui/Label.h"

namespace tolvane::app {

void ParkingPlanTitleViewNib::load(ParkingPlanTitleView& owner)
{
    const double width = owner.bounds().width();
    auto content = std::make_shared<ui::View>(owner.bounds());
    owner.planTitleLabel = std::make_shared<ui::Label>(ui::Rect{0, 0, width, 34});
    ScreenStyle::title(*owner.planTitleLabel, 22);
    owner.planTitleLabel->setAdjustsFontSizeToFitWidth(true);
    owner.operationAttentionLabel = std::make_shared<ui::Label>(ui::Rect{0, 38, width, 40});
    ScreenStyle::body(*owner.operationAttentionLabel, ScreenStyle::alert(), 13);
    content->addSubview(owner.planTitleLabel);
    content->addSubview(owner.operationAttentionLabel);
    owner.addSubview(content);
}

} // namespace tolvane::app
