#include "Class/UI/Registration/View/RegistrationViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Registration/View/CarPicture.h"
#include "Class/UI/Registration/View/RegistrationView.h"
#include "Class/UI/Registration/ViewModel/UserPerceivedCharacters.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/ImageFilePicker.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"

namespace tolvane::app {
namespace {

// Fixed texts of this screen, shown as written (no translation).
constexpr const char* TITLE_TEXT = "编辑车辆图片和名称";
constexpr const char* REGISTRATION_TITLE = "绑定车辆";
constexpr const char* EDIT_TITLE = "编辑资料";
constexpr const char* REGISTER_BUTTON_TEXT = "完成绑定";
constexpr const char* SAVE_BUTTON_TEXT = "保存";

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

void RegistrationViewController::loadView()
{
    auto root = std::make_shared<RegistrationView>();
    titleLabel = root->titleLabel.get();
    nameLabel = root->nameLabel.get();
    deviceImageView = root->deviceImageView.get();
    deviceNameText = root->deviceNameText.get();
    registerBtn = root->registerBtn.get();
    changeImageButton = root->changeImageButton.get();
    setView(root);
    registerBtn->addTarget(ui::ControlEvent::touchUpInside, whileAlive(this, &RegistrationViewController::onTapRegisterButton));
    changeImageButton->addTarget(ui::ControlEvent::touchUpInside, whileAlive(this, &RegistrationViewController::tapChangeImageBtn));
}

void RegistrationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    setupNavigationBar();
    setTexts();
    cancellables.insert(viewModel->actionPublisher().sink(whileAlive(this, &RegistrationViewController::apply)));
    deviceNameText->setDelegate(std::static_pointer_cast<RegistrationViewController>(shared_from_this()));
    deviceNameText->addTarget(ui::ControlEvent::editingChanged, whileAlive(this, &RegistrationViewController::textFieldDidChange));
    cancellables.insert(rx::Cancellable(whileAlive(this, &RegistrationViewController::stopFollowingTheName)));
    viewModel->loadDeviceInfo();
}

void RegistrationViewController::stopFollowingTheName()
{
    deviceNameText->removeTargets(ui::ControlEvent::editingChanged);
}

void RegistrationViewController::setTexts()
{
    const auto languages = textLanguages();
    titleLabel->setText(TITLE_TEXT);
    nameLabel->setText(R::string::localizable::Registration_Name(languages));
    registerBtn->setTitle(R::string::localizable::Registration_Finish(languages), registerBtn->state());
}

void RegistrationViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    const bool editing = viewModel->isEditing();
    navigationItem().setTitleView(ScenePalette::navigationTitle(editing ? EDIT_TITLE : REGISTRATION_TITLE));
    registerBtn->setTitle(editing ? SAVE_BUTTON_TEXT : REGISTER_BUTTON_TEXT, registerBtn->state());
}

void RegistrationViewController::viewWillLayoutSubviews()
{
    ScreenViewController::viewWillLayoutSubviews();
    if (auto* navigation = navigationController())
        navigation->navigationBar().layer().removeAllAnimations();
}

void RegistrationViewController::apply(const IRegistrationViewModel::Action& action)
{
    using Action = IRegistrationViewModel::Action;
    if (const auto* name = std::get_if<Action::setDeviceName>(&action.value))
        deviceNameText->setText(name->deviceName);
    else if (const auto* image = std::get_if<Action::setDeviceImage>(&action.value))
        setDeviceImage(image->deviceImagePath);
    else if (const auto* dismissal = std::get_if<Action::dismiss>(&action.value))
        dismiss(dismissal->animated, dismissal->completion);
}

void RegistrationViewController::setDeviceImage(const std::optional<std::string>& path)
{
    // A stored picture that is gone or unreadable shows the default one, so the car can still be saved.
    const auto stored = path ? ui::Image::fromFile(*path) : std::nullopt;
    deviceImageView->setImage(stored ? stored : CarPicture::defaultImage());
}

void RegistrationViewController::textFieldDidChange()
{
    const std::string text = deviceNameText->text();
    if (!deviceNameText->markedText() && UserPerceivedCharacters::count(text) > EDIT_MAX_LENGTH)
        deviceNameText->setText(UserPerceivedCharacters::prefix(text, EDIT_MAX_LENGTH));
    // An emptied field is as blank as one of spaces: a car is never stored without a name.
    const bool enabled = !isBlank(deviceNameText->text());
    registerBtn->setEnabled(enabled);
    registerBtn->setAlpha(enabled ? 1.0 : 0.5);
}

bool RegistrationViewController::textFieldShouldReturn(ui::TextField&)
{
    view().endEditing(true);
    return false;
}

void RegistrationViewController::touchesBegan(const ui::TouchSet&, const ui::Event&)
{
    view().endEditing(true);
}

void RegistrationViewController::tapChangeImageBtn()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bangdingcheliang/shangchuantupian");
    const auto& picker = ui::ImageFilePicker::shared();
    if (!picker.isAvailable())
        return;
    picker.pick(whileAlive(this, &RegistrationViewController::showPickedImage));
}

void RegistrationViewController::showPickedImage(std::optional<ui::Image> image)
{
    if (image)
        deviceImageView->setImage(CarPicture::redrawn(*image));
}

void RegistrationViewController::onTapRegisterButton()
{
    const auto& image = deviceImageView->image();
    if (!image)
        return;
    const auto data = CarPicture::pngData(*image);
    if (!data)
        return;
    const std::string name = deviceNameText->text();
    if (name.empty())
        return;
    viewModel->saveCar(*data, name);
}

void RegistrationViewController::tapNavigationButtonLeave()
{
    viewModel->onTapLeaveButton();
}

} // namespace tolvane::app
