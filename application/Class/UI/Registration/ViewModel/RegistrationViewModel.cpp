#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"

#include "Class/Model/CarImagePathResolver.h"
#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Registration/ViewModel/CarPictureFileName.h"
#include "Class/UI/Registration/ViewModel/UserPerceivedCharacters.h"

#include "foundation/DateFormatter.h"
#include "foundation/RunLoop.h"
#include "foundation/StandardLocations.h"
#include "ui/NavigationController.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>

namespace tolvane::app {
namespace {

CarImagePathResolver documentsResolver()
{
    return CarImagePathResolver(foundation::documentsDirectory());
}

bool writeAtomically(const std::filesystem::path& file, const foundation::Bytes& data)
{
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto size = static_cast<qint64>(data.size());
    return out.write(reinterpret_cast<const char*>(data.data()), size) == size && out.commit();
}

} // namespace

RegistrationViewModel::RegistrationViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void RegistrationViewModel::loadDeviceInfo()
{
    loopChecker_.check(typeid(*this));
    auto& store = CarRecordStore::shared();
    isEdit = store.isEdit;
    store.isEdit = false;
    action.send(Action{Action::setDeviceName{UserPerceivedCharacters::prefix(currentDeviceName(), EDIT_MAX_LENGTH)}});
    std::optional<std::string> imagePath;
    if (isEdit && store.selectedCarRecord)
        if (const auto file = documentsResolver().fileFor(store.selectedCarRecord->CarImagePath))
            imagePath = file->string();
    action.send(Action{Action::setDeviceImage{imagePath}});
}

std::string RegistrationViewModel::currentDeviceName() const
{
    if (isEdit) {
        const auto& selected = CarRecordStore::shared().selectedCarRecord;
        return selected ? selected->CarName : std::string();
    }
    const auto terminal = TerminalStore::shared()->terminal();
    return makeUniqueName(terminal ? terminal->name() : std::string());
}

std::string RegistrationViewModel::makeUniqueName(const std::string& name) const
{
    const auto records = CarRecordStore::shared().loadCarRecords();
    if (!records)
        return name;
    const auto taken = [&](const std::string& candidate) {
        return std::ranges::any_of(*records, [&](const CarRecord& record) { return record.CarName == candidate; });
    };
    if (!taken(name))
        return name;
    for (int number = 1; number < static_cast<int>(MAX_CAR_RECORDS); ++number) {
        const std::string candidate = name + "(" + std::to_string(number) + ")";
        if (!taken(candidate))
            return candidate;
    }
    return name;
}

std::optional<std::string> RegistrationViewModel::saveImage(const foundation::Bytes& data) const
{
    std::optional<std::string> id;
    if (isEdit) {
        if (const auto& selected = CarRecordStore::shared().selectedCarRecord)
            id = selected->CarID;
    } else if (const auto terminal = TerminalStore::shared()->terminal()) {
        id = terminal->udid();
    }
    const auto fileName = id ? CarPictureFileName::forSerialNumber(*id) : std::nullopt;
    const auto storedPath = fileName ? CarImagePathResolver::storedPathFor(*fileName) : std::nullopt;
    const auto file = storedPath ? documentsResolver().fileFor(*storedPath) : std::nullopt;
    if (!file || !writeAtomically(*file, data))
        return std::nullopt;
    return storedPath;
}

std::string RegistrationViewModel::formatDate(foundation::Date date)
{
    return foundation::DateFormatter("yyyy/MM/dd HH:mm:ss").string(date);
}

std::optional<CarRecord> RegistrationViewModel::createCarRecord(const std::string& imagePath, const std::string& name) const
{
    const auto terminal = TerminalStore::shared()->terminal();
    if (!terminal)
        return std::nullopt;
    const std::string now = formatDate(foundation::RunLoop::main().clock().wallNow());
    const CarRecord record{.CarID = terminal->udid(), .CarImagePath = imagePath, .CarName = name, .CreateDate = now, .UpdateDate = now};
    if (!CarRecordStore::shared().addCarRecord(record))
        return std::nullopt;
    return record;
}

std::optional<CarRecord> RegistrationViewModel::updateCarRecord(const std::string& imagePath, const std::string& name) const
{
    auto& store = CarRecordStore::shared();
    auto records = store.loadCarRecords();
    if (!records || !store.selectedCarRecord)
        return std::nullopt;
    const auto found =
        std::ranges::find_if(*records, [&](const CarRecord& record) { return record.CarID == store.selectedCarRecord->CarID; });
    if (found == records->end())
        return std::nullopt;
    found->CarImagePath = imagePath;
    found->CarName = name;
    found->UpdateDate = formatDate(foundation::RunLoop::main().clock().wallNow());
    if (!store.saveCarRecords(*records))
        return std::nullopt;
    return *found;
}

void RegistrationViewModel::saveCar(const foundation::Bytes& pngData, const std::string& name)
{
    loopChecker_.check(typeid(*this));
    if (isEdit)
        TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/bangdingcheliangguanli/baocun");
    const auto imagePath = saveImage(pngData);
    if (!imagePath)
        return;
    const auto record = isEdit ? updateCarRecord(*imagePath, name) : createCarRecord(*imagePath, name);
    if (!record)
        return;
    CarRecordStore::shared().selectedCarRecord = *record;
    toNextView(*record);
}

void RegistrationViewModel::toNextView(const CarRecord&)
{
    LogManager::print("Start transition from Registration view.", LogLevel::information, {.function = "toNextView(carRecord:)"});
    if (!isEdit) {
        std::weak_ptr<ITransitionManager> router = transitionManager;
        action.send(Action{Action::dismiss{false, [router] {
                                               if (auto manager = router.lock())
                                                   manager->showDisclaimer();
                                           }}});
        return;
    }
    if (const auto& navigationController = TolvaneIntegrationAppHelper::shared().navigationController)
        transitionManager->getTopNavigationController(*navigationController).popViewController(false);
}

void RegistrationViewModel::onTapLeaveButton()
{
    if (isEdit)
        popTopViewController();
    else
        action.send(Action{Action::dismiss{true, {}}});
}

} // namespace tolvane::app
