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
    addButton->addTarget(ui::ControlEvent::touchUpInside, whileAlive(this, &ConnectionCompletionForRegistrationViewController::onTapRegisterButton));
    setView(root);
}

void ConnectionCompletionForRegistrationViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    cancellables.insert(viewModel->actionPublisher().sink(whileAlive(this, &ConnectionCompletionForRegistrationViewController::apply)));
    addButton->setTitle(R::string::localizable::ConnectionCompletionForRegistration_Add(textLanguages()), addButton->state());
    viewModel->loadDevice();
}

void ConnectionCompletionForRegistrationViewController::apply(const IConnectionCompletionForRegistrationViewModel::Action& action)
{
    using Action = IConnectionCompletionForRegistrationViewModel::Action;
    if (const auto* command = std::get_if<Action::setDeviceView>(&action.value))
        deviceName->setText(command->deviceName);
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
