#include "Class/UI/Tutorial/View/FirstTutorialMovieViewController.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Tutorial/View/Outlet.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "foundation/UserDefaults.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/TapGestureRecognizer.h"

namespace tolvane::app {

void FirstTutorialMovieViewController::loadView()
{
    TutorialScenes::build(*this);
}

void FirstTutorialMovieViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    setupTexts();
    setupLinkButtons();
    check();
    ui::Button& box = outlet(checkBox);
    ui::Label& boxLabel = outlet(hiddenLabel);
    box.setHidden(true);
    boxLabel.setHidden(true);
    box.imageView().setContentMode(ui::ContentMode::scaleAspectFit);
    box.setContentHorizontalAlignment(ui::ContentAlignment::fill);
    box.setContentVerticalAlignment(ui::ContentAlignment::fill);
    std::weak_ptr<ui::ViewController> weakSelf = weak_from_this();
    boxLabel.addGestureRecognizer(std::make_shared<ui::TapGestureRecognizer>([weakSelf](ui::GestureRecognizer&) {
        if (auto self = weakSelf.lock())
            static_cast<FirstTutorialMovieViewController&>(*self).tapHiddenLabel();
    }));
    boxLabel.setUserInteractionEnabled(true);
}

void FirstTutorialMovieViewController::setupTexts()
{
    const auto languages = textLanguages();
    outlet(start).setText(R::string::localizable::FirstTutorialMovie_LetsStart(languages));
    outlet(tolvane).setText(R::string::localizable::FirstTutorialMovie_Tolvane(languages));
    outlet(firstTutorialMovieDescription).setText(R::string::localizable::FirstTutorialMovie_Description(languages));
    outlet(supplementation).setText(R::string::localizable::FirstTutorialMovie_Supplementation(languages));
    outlet(hiddenLabel).setText(R::string::localizable::FirstTutorialMovie_DoNotShow(languages));
}

void FirstTutorialMovieViewController::check()
{
    setChecked(true);
}

void FirstTutorialMovieViewController::uncheck()
{
    setChecked(false);
}

void FirstTutorialMovieViewController::setChecked(bool checked)
{
    isChecked = checked;
    outlet(checkBox).setImage(checked ? R::image::FirstChecked() : R::image::FirstUnchecked(), ui::ControlState::normal);
    foundation::UserDefaults::standard()->setBool(rawValue(UserDefaultsKey::checkedNotShowFirstTutorial), checked);
}

void FirstTutorialMovieViewController::toggle()
{
    if (isChecked)
        uncheck();
    else
        check();
}

void FirstTutorialMovieViewController::tapCheckBox()
{
    toggle();
}

void FirstTutorialMovieViewController::tapHiddenLabel()
{
    toggle();
}

} // namespace tolvane::app
