#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationView.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/ScreenMetrics.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr double kMargin = 24;
constexpr double kPictureWidth = 240;
constexpr double kPictureHeight = 180;
constexpr double kButtonHeight = 52;
constexpr double kBlockHeight = kPictureHeight + 120;

} // namespace

ConnectionCompletionForRegistrationView::ConnectionCompletionForRegistrationView()
    : carImageView(std::make_shared<ui::ImageView>(R::image::registration_connected())),
      headingLabel(ScenePalette::label(22, true, ScenePalette::dark())), deviceName(ScenePalette::label(18, false, ScenePalette::dark())),
      addButton(ScenePalette::primaryButton())
{
    setBackgroundColor(ScenePalette::background());
    carImageView->setContentMode(ui::ContentMode::scaleAspectFit);
    const auto languages = textLanguages();
    headingLabel->setText(R::string::localizable::ConnectionCompletionForRegistration_Connected(languages));
    deviceName->setText(R::string::localizable::ConnectionCompletionForRegistration_DeviceName(languages));
    addSubview(carImageView);
    addSubview(headingLabel);
    addSubview(deviceName);
    addSubview(addButton);
}

void ConnectionCompletionForRegistrationView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double width = area.width() - 2 * kMargin;
    const double bottomInset = ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
    const double buttonTop = area.height() - bottomInset - kButtonHeight - 24;
    addButton->setFrame({kMargin, buttonTop, width, kButtonHeight});
    // Picture, heading and name as one block in the middle of the space above the button.
    const double top = std::max(24.0, (buttonTop - kBlockHeight) / 2);
    carImageView->setFrame({(area.width() - kPictureWidth) / 2, top, kPictureWidth, kPictureHeight});
    headingLabel->setFrame({kMargin, top + kPictureHeight + 24, width, 32});
    deviceName->setFrame({kMargin, top + kPictureHeight + 64, width, 56});
}

} // namespace tolvane::app
