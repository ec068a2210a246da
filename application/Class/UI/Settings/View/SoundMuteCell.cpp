#include "Class/UI/Settings/View/SoundMuteCell.h"

#include "Class/UI/Base/View/ColorCode.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Settings/View/MenuStyle.h"
#include "Class/UI/Settings/ViewModel/ISettingsViewModel.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Label.h"
#include "ui/Switch.h"

namespace tolvane::app {

SoundMuteCell::SoundMuteCell() : label(std::make_shared<ui::Label>()), soundMute(std::make_shared<ui::Switch>())
{
    label->setFont(MenuStyle::rowFont());
    label->setTextColor(MenuStyle::text());
    soundMute->setOnTintColor(ColorCode::buttonTintColor());
    soundMute->addTarget(ui::ControlEvent::valueChanged, [this](ui::Control&) { onTapSoundMute(); });
    contentView().addSubview(label);
    contentView().addSubview(soundMute);
}

void SoundMuteCell::setup(std::shared_ptr<ISettingsViewModel> settingsViewModel)
{
    viewModel = std::move(settingsViewModel);
    std::weak_ptr<SoundMuteCell> weak = std::static_pointer_cast<SoundMuteCell>(shared_from_this());
    cancellables.insert(viewModel->actionPublisher().sink([weak](const SettingsAction& action) {
        auto self = weak.lock();
        if (!self)
            return;
        if (const auto* update = std::get_if<SettingsAction::updateSoundMuteCell>(&action.value))
            self->soundMute->setOn(update->isOn, false);
    }));
    viewModel->showStoredSoundEnable();
    label->setText(R::string::localizable::Settings_Orvamel(textLanguages()));
}

void SoundMuteCell::onTapSoundMute()
{
    if (!viewModel)
        foundation::fatalError("SoundMuteCell has no view model");
    viewModel->onChangeSoundMute(soundMute->isOn());
}

void SoundMuteCell::layoutSubviews()
{
    ui::TableViewCell::layoutSubviews();
    const ui::Rect bounds = contentView().bounds();
    const ui::Size switchSize = soundMute->frame().size;
    soundMute->setFrame({bounds.width() - MenuStyle::margin - switchSize.width, (bounds.height() - switchSize.height) / 2,
                         switchSize.width, switchSize.height});
    label->setFrame({MenuStyle::margin, 0, soundMute->frame().x() - 2 * MenuStyle::margin, bounds.height()});
}

} // namespace tolvane::app
