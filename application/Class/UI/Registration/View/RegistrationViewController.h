#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Registration/ViewModel/IRegistrationViewModel.h"

#include "ui/Image.h"
#include "ui/TextField.h"

namespace ui {
class Button;
class ImageView;
class Label;
} // namespace ui

namespace tolvane::app {

// The car's name and picture, for a new car or the selected one. The name is cut to 25 characters
// as typed (not while an input method composes) and a blank name cannot be stored.
class RegistrationViewController final : public ScreenViewController<IRegistrationViewModel>, public ui::ITextFieldDelegate {
public:
    static constexpr size_t EDIT_MAX_LENGTH = 25;

    ui::Label* titleLabel = nullptr;
    ui::Label* nameLabel = nullptr;
    ui::ImageView* deviceImageView = nullptr;
    ui::TextField* deviceNameText = nullptr;
    ui::Button* registerBtn = nullptr;
    ui::Button* changeImageButton = nullptr;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillLayoutSubviews() override;
    void touchesBegan(const ui::TouchSet& touches, const ui::Event& event) override;
    void tapNavigationButtonLeave() override;

    void textFieldDidChange();
    bool textFieldShouldReturn(ui::TextField& textField) override;
    void tapChangeImageBtn();
    void onTapRegisterButton();
    void setDeviceImage(const std::optional<std::string>& path);

private:
    void setTexts();
    void stopFollowingTheName();
    void showPickedImage(std::optional<ui::Image> image);
    void apply(const IRegistrationViewModel::Action& action);
};

} // namespace tolvane::app
