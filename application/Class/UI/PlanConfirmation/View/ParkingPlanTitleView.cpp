#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleView.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleViewNib.h"

#include "R.h"

#include "ui/Label.h"

namespace tolvane::app {

ParkingPlanTitleView::ParkingPlanTitleView(const ui::Rect& frame) : ui::View(frame)
{
    ParkingPlanTitleViewNib::load(*this);
    operationAttentionLabel->setText(R::string::localizable::Parking_OperationAttention(textLanguages()));
}

void ParkingPlanTitleView::setPlan(std::optional<RequiredDisplayId> plan)
{
    plan_ = plan;
    updatePlanTitle();
}

void ParkingPlanTitleView::updatePlanTitle()
{
    const auto languages = textLanguages();
    switch (plan_.value_or(RequiredDisplayId::DEF)) {
    case RequiredDisplayId::SEL_PARK_IN:
        planTitleLabel->setText(R::string::localizable::Parking_PlanNameInpark(languages));
        break;
    case RequiredDisplayId::SEL_PARK_OUT:
        planTitleLabel->setText(R::string::localizable::Parking_PlanNameOutpark(languages));
        break;
    case RequiredDisplayId::SEL_FORWARD_BACKWARD:
        planTitleLabel->setText(R::string::localizable::Parking_PlanNameFowaback(languages));
        break;
    default:
        planTitleLabel->setText("");
        break;
    }
}

} // namespace tolvane::app
