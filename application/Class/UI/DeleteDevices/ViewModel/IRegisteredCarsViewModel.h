#pragma once

#include "Class/Model/CarRecord.h"
#include "Class/UI/Base/ViewModel/BaseAction.h"

#include "rx/Publisher.h"
#include "ui/IndexPath.h"

#include <string>
#include <variant>
#include <vector>

namespace tolvane::app {

// What a registered-vehicle list's view model asks of its screen.
struct RegisteredCarsAction {
    struct deselectRow {
        ui::IndexPath at;
        bool animated;
    };
    struct presentAlert {
        std::string title;
        AlertActions actions;
    };
    struct none {};
    struct reloadTableView {};

    std::variant<deselectRow, presentAlert, none, reloadTableView> value;
};

// Both registered-vehicle lists: the cars in stored order, the linked one marked, and deletion
// after a confirmation.
class IRegisteredCarsViewModel {
public:
    virtual ~IRegisteredCarsViewModel() = default;

    virtual const std::vector<CarRecord>& carRecords() const = 0;
    // Hands over the last action at once, then every later one.
    virtual rx::Publisher<RegisteredCarsAction> actionPublisher() const = 0;
    virtual void reloadCarRecords() = 0;
    // The link targets the row's car or is open to it.
    virtual bool isCurrentVehicle(const ui::IndexPath& indexPath) const = 0;
    // Asks whether to delete the row's car.
    virtual void confirmDelete(const ui::IndexPath& indexPath) = 0;
};

// The deletion list: a tap on a row asks to delete its car.
class IDeleteDevicesViewModel : public virtual IRegisteredCarsViewModel {};

// The list to edit: a tap opens the car for editing, a swipe deletes, and cars can be added.
class IEditDevicesViewModel : public virtual IRegisteredCarsViewModel {
public:
    virtual void onSelectCell(const ui::IndexPath& indexPath) = 0;
    virtual void onTapAddCar() = 0;
};

} // namespace tolvane::app
