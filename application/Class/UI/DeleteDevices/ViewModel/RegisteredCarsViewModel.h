#pragma once

#include "Class/UI/Base/ViewModel/SettingsFamilyViewModel.h"
#include "Class/UI/DeleteDevices/ViewModel/IRegisteredCarsViewModel.h"

#include "rx/Subject.h"

#include <memory>
#include <string_view>

namespace tolvane::app {

class IDataController;

// The part both registered-vehicle lists share: the rows, the mark of the linked car, and one
// deletion procedure. Deleting removes the car's picture, its record and its history rows; a
// linked car's link is closed first, the current run's history row forgets the car (and so
// survives), and the chosen car is cleared. Whether the car counts as linked is decided when the
// confirmation opens. Main thread only.
class RegisteredCarsViewModel : public SettingsFamilyViewModel, public virtual IRegisteredCarsViewModel {
public:
    using Action = RegisteredCarsAction;

    // Printed when a car's picture cannot be removed; the deletion goes on.
    static constexpr std::string_view MISSING_PICTURE_TEXT = "削除ファイルがありません";

    RegisteredCarsViewModel(BaseViewModelInjection injection, std::shared_ptr<IDataController> dataController);

    rx::Published<Action> action{Action{Action::none{}}};

    const std::vector<CarRecord>& carRecords() const override { return _carRecords; }
    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void reloadCarRecords() override;
    bool isCurrentVehicle(const ui::IndexPath& indexPath) const override;
    void confirmDelete(const ui::IndexPath& indexPath) override;

protected:
    // Statistics of the deletion; the deletion list reports none.
    virtual void report(std::string_view key) { (void)key; }
    bool isRow(const ui::IndexPath& indexPath) const;

    std::vector<CarRecord> _carRecords;

private:
    void deleteLinkedCarRecord(const CarRecord& record);
    void deleteCarRecord(const CarRecord& record);
    static void removePicture(const std::string& storedPath);

    const std::shared_ptr<IDataController> dataController_;
};

} // namespace tolvane::app
