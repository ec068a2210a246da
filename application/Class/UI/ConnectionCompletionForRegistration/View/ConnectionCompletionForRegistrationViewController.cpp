#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"

#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationView.h"

#include "R.h"

#include "ui/Button.h"
#include "ui/Label.h"

namespace tolvane::app {

void ConnectionCompletionForRegistrationViewController::loadView()
{
    auto root = std::make_shared<ConnectionCompletionForRegistrationView>();
    deviceName = root->deviceName.get();
    carImageView = root->carImageView.get();
    addButton = root->addButton.get();
    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    addButton->addTarget(ui::ControlEvent::touchUpInside, [weak](ui::Control&) {
        if (auto self = std::static_pointer_cast<ConnectionCompletionForRegistrationViewController>(weak.lock()))
            self->onTapRegisterButton();
    });
    setView(root);
}

void ConnectionCompletionForRegistrationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    std::weak_ptr<ui::ViewController> weak = weak_from_this();
    cancellables.insert(viewModel->actionPublisher().sink([weak](const IConnectionCompletionForRegistrationViewModel::Action& action) {
        auto self = std::static_pointer_cast<ConnectionCompletionForRegistrationViewController>(weak.lock());
        using Action = IConnectionCompletionForRegistrationViewModel::Action;
        if (const auto* command = self ? std::get_if<Action::setDeviceView>(&action.value) : nullptr)
            self->deviceName->setText(command->deviceName);
    }));
    addButton->setTitle(R::string::localizable::ConnectionCompletionForRegistration_Add(textLanguages()), addButton->state());
    viewModel->loadDevice();
}

void ConnectionCompletionForRegistrationViewController::onTapRegisterButton()
{
    viewModel->registerCar();
}

void ConnectionCompletionForRegistrationViewController::tapNavigationButtonLeave()
{
    viewModel->disconnectTerminal();
    dismiss(true);
}

} // namespace tolvane::app
