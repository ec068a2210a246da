#include "Class/UI/DeleteDevices/ViewModel/RegisteredCarsViewModel.h"

#include "Class/Model/CarImagePathResolver.h"
#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/IDataController.h"
#include "Class/Model/LinkedCar.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/StandardLocations.h"
#include "foundation/StandardOutput.h"

#include <filesystem>
#include <system_error>

namespace tolvane::app {
namespace {

constexpr std::string_view DELETION_ASKED = "tirmalunesko/bangdingcheliangguanli/shanchucheliang";
constexpr std::string_view DELETION_CONFIRMED = "tirmalunesko/bangdingcheliangguanli/alert/queding";
constexpr std::string_view DELETION_CANCELLED = "tirmalunesko/bangdingcheliangguanli/alert/quxiao";

// A regular file, reached without leaving the data folder on the way.
bool isPictureInside(const std::filesystem::path& file, const std::filesystem::path& dataFolder)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error)))
        return false;
    const auto real = std::filesystem::weakly_canonical(file, error);
    const auto folder = std::filesystem::weakly_canonical(dataFolder, error);
    if (error)
        return false;
    const auto [folderEnd, realPart] = std::mismatch(folder.begin(), folder.end(), real.begin(), real.end());
    return folderEnd == folder.end() && realPart != real.end();
}

} // namespace

RegisteredCarsViewModel::RegisteredCarsViewModel(BaseViewModelInjection injection, std::shared_ptr<IDataController> dataController)
    : SettingsFamilyViewModel(std::move(injection)), dataController_(std::move(dataController))
{
}

void RegisteredCarsViewModel::reloadCarRecords()
{
    _carRecords = CarRecordStore::shared().loadCarRecords().value_or(std::vector<CarRecord>{});
}

bool RegisteredCarsViewModel::isRow(const ui::IndexPath& indexPath) const
{
    return indexPath.row >= 0 && static_cast<size_t>(indexPath.row) < _carRecords.size();
}

bool RegisteredCarsViewModel::isCurrentVehicle(const ui::IndexPath& indexPath) const
{
    return isRow(indexPath) && isLinkedCar(_carRecords[static_cast<size_t>(indexPath.row)].CarID);
}

void RegisteredCarsViewModel::confirmDelete(const ui::IndexPath& indexPath)
{
    if (!isRow(indexPath))
        return;
    report(DELETION_ASKED);
    const CarRecord record = _carRecords[static_cast<size_t>(indexPath.row)];
    // Decided once: the pop-up deletes as the link stood when it opened.
    const bool linked = isLinkedCar(record.CarID);
    const auto languages = textLanguages();
    auto self = std::static_pointer_cast<RegisteredCarsViewModel>(shared_from_this());
    auto remove = std::make_shared<CustomAlertAction>(R::string::localizable::DeleteDevicesAlert_Delete(languages),
                                                      CustomAlertControllerAction::defaultAction, [self, record, linked](CustomAlertAction&) {
                                                          self->report(DELETION_CONFIRMED);
                                                          if (linked)
                                                              self->deleteLinkedCarRecord(record);
                                                          else
                                                              self->deleteCarRecord(record);
                                                      });
    auto back = std::make_shared<CustomAlertAction>(R::string::localizable::DeleteDevicesAlert_Back(languages), CustomAlertControllerAction::cancel,
                                                    [self, indexPath](CustomAlertAction&) {
                                                        self->report(DELETION_CANCELLED);
                                                        self->action.send({Action::deselectRow{indexPath, false}});
                                                    });
    const std::string title =
        foundation::LocalizedStrings::format(R::string::localizable::DeleteDevicesAlert_DeleteConfirmation(languages), {record.CarName});
    action.send({Action::presentAlert{title, {remove, back}}});
}

void RegisteredCarsViewModel::deleteLinkedCarRecord(const CarRecord& record)
{
    // The link goes first, so nothing reaches the car while it is being removed.
    TerminalStore::shared()->shutdownTerminal([] {});
    dataController_->updateHistory(currentHistoryId().copy(), "", "");
    deleteCarRecord(record);
    CarRecordStore::shared().selectedCarRecord.reset();
}

void RegisteredCarsViewModel::deleteCarRecord(const CarRecord& record)
{
    removePicture(record.CarImagePath);
    CarRecordStore::shared().deleteCarRecord(record.CarID);
    if (dataController_->deleteHistories(record.CarID))
        dataController_->saveContext();
    reloadCarRecords();
    action.send({Action::reloadTableView{}});
}

void RegisteredCarsViewModel::removePicture(const std::string& storedPath)
{
    const std::filesystem::path dataFolder = foundation::documentsDirectory();
    const auto file = CarImagePathResolver(dataFolder).fileFor(storedPath);
    std::error_code error;
    // Only a picture file of the data folder: never a folder, never anything a stored path could
    // point at outside it.
    if (!file || !isPictureInside(*file, dataFolder) || !std::filesystem::remove(*file, error))
        foundation::writeToStandardOutput(std::string(MISSING_PICTURE_TEXT) + "\n");
}

} // namespace tolvane::app
