#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressNib.h"

#include "foundation/LocalizedStrings.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

#include "R.h"

#include <QLocale>

#include <cmath>

namespace tolvane::app {

std::string DriveProgressView::formattedDistance(double metres)
{
    // The tenths come from the vehicle as whole numbers: k x 0.1 may land just below k/10 in binary,
    // and rounding down must not take a tenth off then.
    const double tenths = std::floor(metres * 10 + 1e-9);
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(tenths / 10, 'f', 1).toStdString() + " m";
}

DriveProgressView::DriveProgressView(const ui::Rect& frame) : OperatingModelView(frame)
{
    if (auto* nib = dynamic_cast<DriveProgressNib*>(loadContent(DriveProgressNib::name).get()))
        outlets_ = nib->outlets;
}

void DriveProgressView::subscribe(const std::shared_ptr<IOperatingViewModel>& viewModel, rx::CancellableSet& subscriptions)
{
    auto weak = std::weak_ptr<DriveProgressView>(std::static_pointer_cast<DriveProgressView>(shared_from_this()));
    subscriptions.insert(viewModel->action().sink([weak](const IOperatingViewModel::Action& action) {
        auto self = weak.lock();
        auto* drive = std::get_if<IOperatingViewModel::Action::applyDriveDirectionAndProgress>(&action.value);
        if (self && drive)
            self->apply(drive->direction, drive->remainDistance);
    }));
}

void DriveProgressView::apply(OperateDirection direction, double remainDistance)
{
    const bool forward = direction == OperateDirection::FORWARD_LEFT || direction == OperateDirection::FORWARD ||
                         direction == OperateDirection::FORWARD_RIGHT;
    outlets_.remainingDistanceFrontLabel->setHidden(!forward);
    outlets_.remainingDistanceBackLabel->setHidden(forward);
    const std::string distance = formattedDistance(remainDistance);
    showTrajectory(direction);
    const std::string text = foundation::LocalizedStrings::format(
        R::string::localizable::Parking_RemainingDistanceWithNumberFormat(textLanguages()), {distance});
    outlets_.remainingDistanceFrontLabel->setText(text);
    outlets_.remainingDistanceBackLabel->setText(text);
}

void DriveProgressView::showTrajectory(OperateDirection direction)
{
    const std::pair<OperateDirection, std::shared_ptr<ui::ImageView>> pictures[] = {
        {OperateDirection::FORWARD_LEFT, outlets_.remainingTrajectoryLeftForward4m},
        {OperateDirection::FORWARD, outlets_.remainingTrajectoryStraightForward4m},
        {OperateDirection::FORWARD_RIGHT, outlets_.remainingTrajectoryRightForward4m},
        {OperateDirection::BACKWARD_LEFT, outlets_.remainingTrajectoryLeftBackward4m},
        {OperateDirection::BACKWARD, outlets_.remainingTrajectoryStraightBackward4m},
        {OperateDirection::BACKWARD_RIGHT, outlets_.remainingTrajectoryRightBackward4m},
    };
    for (const auto& [shownFor, picture] : pictures)
        picture->setHidden(shownFor != direction);
}

} // namespace tolvane::app
