#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"

#include "Class/Model/Terminal/Terminal.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/SharedObject/Application.h"
#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/LabelAttributes.h"
#include "Class/UI/Base/View/ScenePalette.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesView.h"
#include "Class/UI/RegistrationDevices/View/TerminalCell.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"
#include "ui/Font.h"
#include "ui/Label.h"

namespace tolvane::app {

void RegistrationDevicesViewController::loadView()
{
    auto root = std::make_shared<RegistrationDevicesView>();
    titleLabel = root->titleLabel.get();
    deviceList = root->deviceList.get();
    carPlayLabel = root->carPlayLabel.get();
    setView(root);
}

void RegistrationDevicesViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    didBecomeActiveObservation_ = foundation::NotificationCenter::defaultCenter().addObserver(
        Application::didBecomeActiveNotification, whileAlive(this, &RegistrationDevicesViewController::viewDidBecomeActive));
    setTexts();
}

void RegistrationDevicesViewController::setTexts()
{
    const auto languages = textLanguages();
    titleLabel->setText(R::string::localizable::RegistrationDevices_Title(languages));
    carPlayLabel->setText(R::string::localizable::RegistrationDevices_Infomation(languages) + "\n" +
                          R::string::localizable::RegistrationDevices_Infomation_CarPlay(languages));
}

void RegistrationDevicesViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(ScenePalette::navigationTitle(R::string::localizable::FirstRegistration_Register(textLanguages())));
    cancellables.insert(viewModel->actionPublisher().sink(whileAlive(this, &RegistrationDevicesViewController::apply)));
    viewModel->startSearchingTerminals();
}

void RegistrationDevicesViewController::viewDidBecomeActive()
{
    if (!isViewLoaded() || !view().window())
        return;
    LogManager::print("==================== Active状態遷移直後(RegistrationDevicesViewController) ====================", LogLevel::information,
                      {.function = "viewDidBecomeActive(_:)"});
    // The subscription of the appearance is made again, so the old one goes first.
    cancellables.removeAll();
    viewWillAppear(false);
}

void RegistrationDevicesViewController::apply(const IRegistrationDevicesViewModel::Action& action)
{
    using Action = IRegistrationDevicesViewModel::Action;
    switch (action) {
    case Action::none:
        break;
    case Action::dataBinding: {
        auto self = std::static_pointer_cast<RegistrationDevicesViewController>(shared_from_this());
        deviceList->setDelegate(std::static_pointer_cast<ui::ITableViewDelegate>(self));
        deviceList->setDataSource(std::static_pointer_cast<ui::ITableViewDataSource>(self));
        [[fallthrough]];
    }
    case Action::reloadDeviceList:
        foundation::RunLoop::main().post(whileAlive(this, &RegistrationDevicesViewController::reloadDeviceList));
        break;
    }
}

void RegistrationDevicesViewController::reloadDeviceList()
{
    deviceList->reloadData();
}

void RegistrationDevicesViewController::tapNavigationButtonLeave()
{
    dismiss(true);
}

int RegistrationDevicesViewController::numberOfRows(ui::TableView&, int)
{
    return static_cast<int>(viewModel->terms().size()) + 1;
}

std::optional<double> RegistrationDevicesViewController::heightForRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    if (static_cast<size_t>(indexPath.row) == viewModel->terms().size())
        return 0.0;
    return CELL_HEIGHT * DesignScale::vertical();
}

double RegistrationDevicesViewController::heightForHeader(ui::TableView&, int)
{
    return SECTION_SIZE;
}

std::shared_ptr<ui::View> RegistrationDevicesViewController::viewForHeader(ui::TableView& tableView, int)
{
    auto header = std::make_shared<ui::View>(ui::Rect{0, 0, tableView.bounds().width(), SECTION_SIZE});
    header->setBackgroundColor(ScenePalette::background());
    auto label = ScenePalette::label(21, false, ScenePalette::dark());
    label->setBackgroundColor(ui::Color::clear());
    label->setText(R::string::localizable::RegistrationDevices_Explanation(textLanguages()));
    label->setFrame({20, 0, tableView.bounds().width() - 40, SECTION_SIZE});
    LabelAttributes::setAdjustFontSize(*label, true);
    header->addSubview(label);
    return header;
}

std::shared_ptr<ui::TableViewCell> RegistrationDevicesViewController::cellForRow(ui::TableView& tableView, const ui::IndexPath& indexPath)
{
    auto cell = std::dynamic_pointer_cast<TerminalCell>(tableView.dequeueReusableCell(TerminalCell::reuseIdentifier, indexPath));
    if (!cell)
        foundation::fatalError("The cell \"terminal_cell\" is no TerminalCell");
    const auto& terms = viewModel->terms();
    const auto row = static_cast<size_t>(indexPath.row);
    if (row >= terms.size())
        return cell;
    const Terminal& terminal = *terms[row];
    cell->name().setText(terminal.name());
    cell->udid().setText(terminal.udid());
    const bool registered = viewModel->isRegistered(terminal.udid());
    cell->setUserInteractionEnabled(!registered);
    cell->name().setEnabled(!registered);
    if (registered)
        cell->name().setText(R::string::localizable::RegistrationDevices_Registered(textLanguages()) + terminal.name());
    return cell;
}

void RegistrationDevicesViewController::didSelectRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    LogManager::print("Try to open new terminal when a terminal is selected from list in startup view.", LogLevel::information,
                      {.function = "tableView(_:didSelectRowAt:)"});
    viewModel->selectTerminal(static_cast<size_t>(indexPath.row));
}

} // namespace tolvane::app
