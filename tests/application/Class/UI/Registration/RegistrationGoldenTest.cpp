#include "RegistrationFlowTest.h"

#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"

#include "support/ListeningUnitSocket.h"
#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/LayerRenderer.h"

#include <QFile>

namespace screen_testing {
namespace {

// Each registration screen as a person sees it on a 390 x 844 phone.
class RegistrationGoldenTest : public RegistrationFlowTest {
protected:
    RegistrationGoldenTest()
    {
        describeUnit(kUnit, "Tolvane Vehicle Unit");
        describeUnit("VIN0002", "Garage Unit");
        // The units come back, now with their names.
        unit.reset();
        time.runUntilIdle();
        unit.emplace(folderPath(), kUnit);
        secondUnit.emplace(folderPath(), "VIN0002");
        time.runUntilIdle();
    }

    // The name the unit's accessory reports.
    void describeUnit(const std::string& serial, const std::string& name)
    {
        QFile description(QString::fromStdString(folderPath() + "/" + serial + ".json"));
        ASSERT_TRUE(description.open(QIODevice::WriteOnly));
        description.write(QByteArray::fromStdString("{\"name\": \"" + name + "\"}"));
    }

    ::testing::AssertionResult looksLike(const std::string& golden)
    {
        return uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), golden);
    }

    std::optional<testing_support::ListeningUnitSocket> secondUnit;
};

TEST_F(RegistrationGoldenTest, EachScreenOfTheRegistrationRoad)
{
    registerCar("VIN0002", "Garage car");
    openDevices();
    EXPECT_TRUE(looksLike("registration-devices"));

    const auto& terms = store->terms();
    const auto chosen = std::ranges::find_if(terms, [](const auto& terminal) { return terminal->udid() == "VIN0001"; });
    ASSERT_NE(chosen, terms.end());
    shown<RegistrationDevicesViewController>()->viewModel->selectTerminal(static_cast<size_t>(chosen - terms.begin()));
    settle();
    EXPECT_TRUE(looksLike("connecting-for-registration"));

    acceptLink();
    publish(RequiredDisplayId::VALID_VEHICLE, CauseId::DEF);
    settle();
    EXPECT_TRUE(looksLike("registration-completed"));

    shown<ConnectionCompletionForRegistrationViewController>()->addButton->tap();
    settle();
    EXPECT_TRUE(looksLike("registration-default-picture"));
}

} // namespace
} // namespace screen_testing
