#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"

#include <algorithm>

namespace tolvane::app {

ConnectionConfirmationViewModel::ConnectionConfirmationViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void ConnectionConfirmationViewModel::loadCarRecords()
{
    auto& store = CarRecordStore::shared();
    if (auto loaded = store.loadCarRecords())
        carRecords = std::move(*loaded);
    if (store.selectedCarRecord) {
        action.send(ConnectionConfirmationAction::setScrollView{carRecords});
        action.send(ConnectionConfirmationAction::setIsHiddenslideOperationLabel{carRecords.size() == 1});
        return;
    }
    std::vector<CarRecord> connected;
    for (const auto& terminal : TerminalStore::shared()->getFetchList(TerminalStore::supportedAccessoryProtocols())) {
        const auto car = std::find_if(carRecords.begin(), carRecords.end(),
                                      [&](const CarRecord& record) { return record.CarID == terminal->udid(); });
        if (car != carRecords.end())
            connected.push_back(*car);
    }
    if (connected.size() == 1) {
        carRecords = std::move(connected);
        confirmSelection();
        return;
    }
    action.send(ConnectionConfirmationAction::setScrollView{carRecords});
}

void ConnectionConfirmationViewModel::confirmSelection()
{
    const bool onlyOne = carRecords.size() == 1;
    const size_t index = onlyOne ? 0 : static_cast<size_t>(selectedCarRecordIndex);
    if (!onlyOne && (selectedCarRecordIndex < 0 || index >= carRecords.size())) {
        LogManager::print("No registered car at index " + std::to_string(selectedCarRecordIndex) + ".", LogLevel::warning,
                          {.function = "confirmSelection()"});
        return;
    }
    CarRecordStore::shared().selectedCarRecord = carRecords[index];
    transitionManager->showDisclaimer();
}

} // namespace tolvane::app
