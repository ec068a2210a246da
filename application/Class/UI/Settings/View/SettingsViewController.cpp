#include "Class/UI/Settings/View/SettingsViewController.h"

#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/UI/Activation/View/ActivationViewController.h"
#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Base/View/NavigationTitleLabel.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/View/WindowPushTransition.h"
#include "Class/UI/Base/ViewModel/IConnectingTimeoutQuery.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationViewController.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/Settings/View/MenuStyle.h"
#include "Class/UI/Settings/View/SettingsTableViewCell.h"
#include "Class/UI/Settings/View/SoundMuteCell.h"
#include "Class/UI/Settings/View/SoundSliderCell.h"
#include "Class/UI/Settings/View/VersionCell.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"

#include "R.h"

#include "foundation/Overloaded.h"
#include "foundation/FatalError.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/NibRegistry.h"
#include "ui/Window.h"

#include <array>

namespace tolvane::app {
namespace {

constexpr std::array<int, 3> ROW_COUNTS{2, 1, 3};
// A row index equal to its section's entry here would be hidden; no row of this table is.
constexpr std::array<int, 3> AVAILABLE_ROW_COUNTS{2, 3, 3};

template <class Controller>
bool isA(const ui::ViewController* controller)
{
    return dynamic_cast<const Controller*>(controller) != nullptr;
}

// A new cell from its nib; none when the nib makes no cell of that class.
template <class Cell>
std::shared_ptr<Cell> cellFromNib(const std::string& nib)
{
    return std::dynamic_pointer_cast<Cell>(ui::NibRegistry::shared().instantiate(nib));
}

std::string appVersionText()
{
    std::string version = libraryBundle()->shortVersionString();
    if (version.empty())
        foundation::fatalError("The library bundle has no short version string");
    return version;
}

bool hasConnectingTimedOut(const ConnectingViewController& connecting)
{
    const auto query = std::dynamic_pointer_cast<IConnectingTimeoutQuery>(connecting.viewModel);
    return query && query->hasConnectingTimedOut();
}

} // namespace

// Life cycle

void SettingsViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("SettingsViewController has no view model");
    std::weak_ptr<SettingsViewController> weak = std::static_pointer_cast<SettingsViewController>(shared_from_this());
    settingsCancellables.insert(viewModel->actionPublisher().sink([weak](const SettingsAction& action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
    tableView = std::make_shared<ui::TableView>(view().bounds());
    auto self = weak.lock();
    tableView->setDataSource(std::static_pointer_cast<ui::ITableViewDataSource>(self));
    tableView->setDelegate(std::static_pointer_cast<ui::ITableViewDelegate>(self));
    view().setBackgroundColor(MenuStyle::background());
    tableView->setBackgroundColor(MenuStyle::background());
    tableView->setSectionHeaderTopPadding(0);
    setupNavigationBar();
    tableView->setSeparatorInset({.top = 10, .left = 0, .bottom = 0, .right = 0});
    // Grouped rows: no empty rows drawn under the last section.
    tableView->setTableFooterView(std::make_shared<ui::View>());
    view().addSubview(tableView);
    viewModel->notifyDisplayOutsideSdkControl(true);
}

void SettingsViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    navigationItem().setTitleView(makeNavigationTitleLabel(R::string::localizable::Settings_Title(textLanguages())));
    if (auto* under = dynamic_cast<ui::NavigationController*>(presentingViewController()); under && !under->viewControllers().empty())
        isEnableRegistrationCell = screenUnderAllowsVehicleRow();
    tableView->reloadData();
}

void SettingsViewController::viewWillLayoutSubviews()
{
    ScreenViewController::viewWillLayoutSubviews();
    if (tableView && tableView->frame() != view().bounds()) {
        tableView->setFrame(view().bounds());
        tableView->reloadData();
    }
}

bool SettingsViewController::screenUnderAllowsVehicleRow() const
{
    const auto* under = dynamic_cast<ui::NavigationController*>(presentingViewController());
    const ui::ViewController* last = under->viewControllers().back().get();
    if (const auto* connecting = dynamic_cast<const ConnectingViewController*>(last))
        return !hasConnectingTimedOut(*connecting);
    return isA<DisclaimerViewController>(last) || isA<TouchPreConfirmationViewController>(last) || isA<ActivationViewController>(last) ||
           isA<ConnectionConfirmationViewController>(last);
}

// Leaving

void SettingsViewController::tapNavigationButtonLeave()
{
    if (ui::Window* window = view().window())
        addPushTransition(*window, PushSubtype::fromLeft);
    viewModel->onTapCloseButton();
}

void SettingsViewController::dismiss(bool animated, Completion completion)
{
    dismissWithTransition(animated, std::move(completion));
}

void SettingsViewController::dismissWithTransition(bool withTransition, Completion completion)
{
    if (withTransition)
        if (ui::Window* window = view().window()) {
            window->layer().removeAllAnimations();
            addPushTransition(*window, PushSubtype::fromRight);
        }
    closeWithoutTransition(std::move(completion));
}

void SettingsViewController::closeWithoutTransition(Completion completion)
{
    settingsCancellables.removeAll();
    TolvaneBaseViewController::viewWillDisappear(false);
    ui::ViewController::dismiss(false, std::move(completion));
}

// Actions

void SettingsViewController::apply(const SettingsAction& action)
{
    std::visit(foundation::Overloaded{
                   [this](const SettingsAction::deselectRow& command) { tableView->deselectRow(command.at, command.animated); },
                   [this](const SettingsAction::presentAlert& command) { presentAlert(command.title, command.alertActions); },
                   [this](const SettingsAction::dismiss&) { closeWithoutTransition({}); },
                   [this](const SettingsAction::dismissAndShowFirstRegistration&) {
                       dismissWithTransition(true, [model = viewModel] { model->showSettingsFirstRegistration(); });
                   },
                   [](const auto&) {},
               },
               action.value);
}

// Table

int SettingsViewController::numberOfRows(ui::TableView&, int section)
{
    return section >= 0 && section < static_cast<int>(ROW_COUNTS.size()) ? ROW_COUNTS[static_cast<size_t>(section)] : 0;
}

std::optional<double> SettingsViewController::heightForRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    const bool hidden = indexPath.section >= 0 && indexPath.section < static_cast<int>(AVAILABLE_ROW_COUNTS.size()) &&
                        indexPath.row == AVAILABLE_ROW_COUNTS[static_cast<size_t>(indexPath.section)];
    return hidden ? 0 : CELL_SIZE * DesignScale::vertical();
}

double SettingsViewController::heightForHeader(ui::TableView&, int)
{
    return SECTION_HEADER_SIZE * DesignScale::vertical();
}

std::shared_ptr<ui::TableViewCell> SettingsViewController::cellForRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    std::shared_ptr<ui::TableViewCell> cell;
    if (indexPath.section == 0 && indexPath.row == 0) {
        if (auto mute = cellFromNib<SoundMuteCell>("SoundMuteCell")) {
            mute->setup(viewModel);
            cell = mute;
        }
    } else if (indexPath.section == 0 && indexPath.row == 1) {
        if (auto slider = cellFromNib<SoundSliderCell>("SoundSliderCell")) {
            slider->setup(viewModel);
            cell = slider;
        }
    } else if (indexPath.section == 2 && indexPath.row == 2) {
        if (auto version = cellFromNib<VersionCell>("VersionCell")) {
            version->setVersion("Ver." + appVersionText());
            cell = version;
        }
    } else if (indexPath.section != 0) {
        if (auto row = cellFromNib<SettingsTableViewCell>("SettingsTableViewCell")) {
            row->setup(viewModel, indexPath, isEnableRegistrationCell);
            cell = row;
        }
    }
    return cell ? cell : std::make_shared<ui::TableViewCell>();
}

void SettingsViewController::didSelectRow(ui::TableView&, const ui::IndexPath& indexPath)
{
    viewModel->onSelectCell(indexPath);
}

} // namespace tolvane::app
