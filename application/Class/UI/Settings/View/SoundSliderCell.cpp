#include "Class/UI/Settings/View/SoundSliderCell.h"

#include "Class/UI/Base/View/ColorCode.h"
#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Settings/View/MenuStyle.h"
#include "Class/UI/Settings/ViewModel/ISettingsViewModel.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Label.h"
#include "ui/Slider.h"

namespace tolvane::app {
namespace {

constexpr double VOLUME_IMAGE_SIZE = 24.0;
constexpr double LABEL_WIDTH = 88.0;

std::optional<ui::Image> sliderEnd(std::optional<ui::Image> image)
{
    const double size = VOLUME_IMAGE_SIZE * DesignScale::vertical();
    if (!image)
        return std::nullopt;
    return image->resized({size, size});
}

} // namespace

SoundSliderCell::SoundSliderCell() : label(std::make_shared<ui::Label>()), soundVolume(std::make_shared<ui::Slider>())
{
    label->setFont(MenuStyle::rowFont());
    label->setTextColor(MenuStyle::text());
    soundVolume->setTintColor(ColorCode::buttonTintColor());
    soundVolume->addTarget(ui::ControlEvent::valueChanged, [this](ui::Control&) { sondVolumeChanged(); });
    contentView().addSubview(label);
    contentView().addSubview(soundVolume);
}

void SoundSliderCell::setup(std::shared_ptr<ISettingsViewModel> settingsViewModel)
{
    viewModel = std::move(settingsViewModel);
    soundVolume->setMaximumValueImage(sliderEnd(R::image::Volume_max()));
    soundVolume->setMinimumValueImage(sliderEnd(R::image::Volume_min()));
    std::weak_ptr<SoundSliderCell> weak = std::static_pointer_cast<SoundSliderCell>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const SettingsAction& action) {
        auto self = weak.lock();
        const auto* update = std::get_if<SettingsAction::updateSoundSliderCell>(&action.value);
        if (!self || !update)
            return;
        if (update->volume)
            self->soundVolume->setValue(*update->volume);
        self->soundVolume->setEnabled(update->isEnabled);
        self->soundVolume->setNeedsLayout();
        self->soundVolume->layoutIfNeeded();
    }));
    viewModel->showStoredSoundVolume();
    label->setText(R::string::localizable::Settings_Volume(textLanguages()));
}

void SoundSliderCell::sondVolumeChanged()
{
    if (!viewModel)
        foundation::fatalError("SoundSliderCell has no view model");
    viewModel->onChangeSoundVolume(soundVolume->value());
}

void SoundSliderCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    label->setFrame({MenuStyle::margin, 0, LABEL_WIDTH, bounds.height()});
    const double sliderX = label->frame().maxX();
    soundVolume->setFrame({sliderX, 0, bounds.width() - sliderX - MenuStyle::margin, bounds.height()});
}

} // namespace tolvane::app
