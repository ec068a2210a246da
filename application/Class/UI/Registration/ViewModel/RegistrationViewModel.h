#pragma once

#include "Class/Model/CarRecord.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Registration/ViewModel/IRegistrationViewModel.h"

#include "foundation/Clock.h"

#include <optional>
#include <string>

namespace tolvane::app {

// Names and pictures a car: in registration mode the unit chosen in the list becomes a new car,
// which is then selected for the disclaimer; in edit mode the selected car changes in place. The
// picture is stored as "<serial number>.png" in the documents folder.
class RegistrationViewModel final : public BaseViewModel, public IRegistrationViewModel {
public:
    explicit RegistrationViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{Action{Action::none{}}};
    static constexpr const char* PNG_EXTENSION = ".png";
    static constexpr size_t EDIT_MAX_LENGTH = 25;
    // Enforced where registration starts from the settings, not here.
    static constexpr size_t MAX_CAR_RECORDS = 5;
    bool isEdit = false;

    std::string screenName() const override { return "Registration"; }
    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }
    void onConnectionFailure() override {}

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    bool isEditing() const override { return isEdit; }
    void loadDeviceInfo() override;
    void saveCar(const foundation::Bytes& pngData, const std::string& name) override;
    void onTapLeaveButton() override;

    std::string currentDeviceName() const;
    std::string makeUniqueName(const std::string& name) const;
    // The stored path of the written picture, relative to the documents folder; none when there is
    // no unit to name it after or the file cannot be written.
    std::optional<std::string> saveImage(const foundation::Bytes& data) const;
    static std::string formatDate(foundation::Date date);
    std::optional<CarRecord> createCarRecord(const std::string& imagePath, const std::string& name) const;
    std::optional<CarRecord> updateCarRecord(const std::string& imagePath, const std::string& name) const;
    void toNextView(const CarRecord& carRecord);

private:
    foundation::LoopChecker loopChecker_;
};

} // namespace tolvane::app
