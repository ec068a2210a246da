#pragma once

#include "Class/Model/CarRecord.h"

#include "rx/Publisher.h"

#include <variant>
#include <vector>

namespace tolvane::app {

struct ConnectionConfirmationAction {
    // Rebuild the carousel with these cars.
    struct setScrollView {
        std::vector<CarRecord> carRecords;
    };
    struct setIsHiddenslideOperationLabel {
        bool isHidden;
    };
    struct none {};
    using Case = std::variant<setScrollView, setIsHiddenslideOperationLabel, none>;
};

// The vehicle choice's view model as its screen sees it. Main thread only.
class IConnectionConfirmationViewModel {
public:
    using Action = ConnectionConfirmationAction::Case;

    virtual ~IConnectionConfirmationViewModel() = default;
    virtual rx::Publisher<Action> actionPublisher() const = 0;
    // The screen found the setting button already on the navigation bar.
    virtual void setHaveSettingButton(bool haveSettingButton) = 0;
    // The carousel shows this page.
    virtual void setSelectedCarRecordIndex(int index) = 0;
    // On every appearance.
    virtual void loadCarRecords() = 0;
    // Chooses the car in view and goes on to the disclaimer.
    virtual void confirmSelection() = 0;
};

} // namespace tolvane::app
