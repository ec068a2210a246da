#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationView.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/ScreenMetrics.h"

namespace tolvane::app {
namespace {

constexpr double kMargin = 24;
// The animation's own size is 160 x 96 points.
constexpr double kAnimationWidth = 240;
constexpr double kAnimationHeight = 144;

} // namespace

ConnectingForRegistrationView::ConnectingForRegistrationView()
    : registrationInfo(ScenePalette::label(22, true, ScenePalette::dark())), deviceName(ScenePalette::label(18, false, ScenePalette::dark())),
      BTConnect(std::make_shared<ui::ImageView>()), registrationDecription(ScenePalette::label(14, false, ScenePalette::muted()))
{
    setBackgroundColor(ScenePalette::background());
    registrationInfo->setText(R::string::localizable::ConnectingForRegistration_Info(textLanguages()));
    BTConnect->setContentMode(ui::ContentMode::scaleAspectFit);
    registrationDecription->setAdjustsFontSizeToFitWidth(true);
    registrationDecription->setMinimumScaleFactor(0.7);
    addSubview(registrationInfo);
    addSubview(deviceName);
    addSubview(BTConnect);
    addSubview(registrationDecription);
}

void ConnectingForRegistrationView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double width = area.width() - 2 * kMargin;
    const double bottomInset = ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
    registrationInfo->setFrame({kMargin, 40, width, 32});
    deviceName->setFrame({kMargin, 84, width, 56});
    const double descriptionTop = area.height() - bottomInset - 140;
    registrationDecription->setFrame({kMargin, descriptionTop, width, 120});
    // The animation sits in the middle of the space between the name and the advice.
    const double animationMiddle = (deviceName->frame().maxY() + descriptionTop) / 2;
    BTConnect->setFrame({(area.width() - kAnimationWidth) / 2, animationMiddle - kAnimationHeight / 2, kAnimationWidth, kAnimationHeight});
}

} // namespace tolvane::app
