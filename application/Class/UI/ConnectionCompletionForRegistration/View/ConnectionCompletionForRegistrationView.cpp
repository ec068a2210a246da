#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationView.h"

#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/ScreenMetrics.h"

namespace tolvane::app {
namespace {

constexpr double kMargin = 24;
constexpr double kPictureWidth = 240;
constexpr double kPictureHeight = 180;
constexpr double kButtonHeight = 52;

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
    carImageView->setFrame({(area.width() - kPictureWidth) / 2, 72, kPictureWidth, kPictureHeight});
    headingLabel->setFrame({kMargin, 276, width, 32});
    deviceName->setFrame({kMargin, 316, width, 56});
    addButton->setFrame({kMargin, area.height() - bottomInset - kButtonHeight - 24, width, kButtonHeight});
}

} // namespace tolvane::app
