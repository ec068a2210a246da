#include "Class/UI/Registration/View/RegistrationView.h"

#include "Class/UI/Base/View/ScenePalette.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/ScreenMetrics.h"
#include "ui/TextField.h"

namespace tolvane::app {
namespace {

constexpr double kMargin = 24;
constexpr double kPictureWidth = 280;
constexpr double kPictureHeight = 210; // the stored picture's 4:3
constexpr double kChangeButtonSize = 48;
constexpr double kFieldHeight = 52;
constexpr double kFieldInset = 16;
constexpr double kButtonHeight = 52;

} // namespace

RegistrationView::RegistrationView()
    : titleLabel(ScenePalette::label(20, true, ScenePalette::dark())), pictureFrame(std::make_shared<ui::View>()),
      deviceImageView(std::make_shared<ui::ImageView>()), changeImageButton(std::make_shared<ui::Button>()),
      nameLabel(ScenePalette::label(15, true, ScenePalette::muted())), nameBox(std::make_shared<ui::View>()), deviceNameText(std::make_shared<ui::TextField>()),
      registerBtn(ScenePalette::primaryButton())
{
    setBackgroundColor(ScenePalette::background());
    pictureFrame->setBackgroundColor(ScenePalette::white());
    pictureFrame->layer().setCornerRadius(18);
    pictureFrame->setClipsToBounds(true);
    deviceImageView->setContentMode(ui::ContentMode::scaleAspectFit);
    pictureFrame->addSubview(deviceImageView);
    changeImageButton->setBackgroundColor(ScenePalette::accent());
    changeImageButton->layer().setCornerRadius(kChangeButtonSize / 2);
    changeImageButton->setImage(R::image::icon_camera(), ui::ControlState::normal);
    nameLabel->setTextAlignment(ui::TextAlignment::left);
    nameLabel->setNumberOfLines(1);
    nameBox->setBackgroundColor(ScenePalette::white());
    nameBox->layer().setCornerRadius(12);
    nameBox->addSubview(deviceNameText);
    deviceNameText->setFont(ui::Font::systemFont(18));
    deviceNameText->setTextColor(ScenePalette::dark());
    addSubview(titleLabel);
    addSubview(pictureFrame);
    addSubview(changeImageButton);
    addSubview(nameLabel);
    addSubview(nameBox);
    addSubview(registerBtn);
}

void RegistrationView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double width = area.width() - 2 * kMargin;
    const double bottomInset = ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
    titleLabel->setFrame({kMargin, 24, width, 32});
    const ui::Rect picture{(area.width() - kPictureWidth) / 2, 76, kPictureWidth, kPictureHeight};
    pictureFrame->setFrame(picture);
    deviceImageView->setFrame({16, 12, kPictureWidth - 32, kPictureHeight - 24});
    changeImageButton->setFrame({picture.maxX() - kChangeButtonSize * 0.75, picture.maxY() - kChangeButtonSize * 0.75, kChangeButtonSize,
                                 kChangeButtonSize});
    nameLabel->setFrame({kMargin, picture.maxY() + 44, width, 22});
    nameBox->setFrame({kMargin, picture.maxY() + 72, width, kFieldHeight});
    deviceNameText->setFrame({kFieldInset, 0, width - 2 * kFieldInset, kFieldHeight});
    registerBtn->setFrame({kMargin, area.height() - bottomInset - kButtonHeight - 24, width, kButtonHeight});
}

} // namespace tolvane::app
