#include "FrameworkServices.h"
#include "ISlideViewModel.h"
#include "Internal/Model/IBluetoothSocketModel.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "TolvaneFramework.h"
#include "support/Recorder.h"
#include "vehicle-sim/VehicleMessageWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tolvane;
using testing_support::Recorder;
using R = RequiredDisplayId;
using K = UserOperationKind;

// The vehicle's side of the link: a counter that moves with every control-state request, and a
// verification record beside each.
struct Vehicle {
    uint8_t counter = 40;

    foundation::Bytes request(BtMekDspId screen, MekCsrReq fields = {})
    {
        fields.MEKDSPID = screen;
        return vehiclesim::VehicleMessageWriter::csrRequest(fields, ++counter);
    }
    static foundation::Bytes verification()
    {
        return vehiclesim::VehicleMessageWriter::verification({.IDTDSPID = BtIdtDspId::none,
                                                               .IDTBTRQ = BtIdtBtRq::parkInOrFowaback});
    }
};

// The application's side: it creates the framework, resolves the public services and drives them as
// its screens would, on virtual time. Every outgoing message is checked against the record the script
// expects at that moment.
class ScriptedRunTest : public ::testing::Test, protected testing_support::FrameworkServices {
protected:
    TolvaneFramework framework;
    di::Container& container = di::Container::defaultContainer();
    std::shared_ptr<IBluetoothSocketModel> link = di::resolveOrDie<IBluetoothSocketModel>(container);
    std::shared_ptr<IDataCodingModel> coding = di::resolveOrDie<IDataCodingModel>(container);
    std::shared_ptr<IDisplayModel> display = di::resolveOrDie<IDisplayModel>(container);
    std::shared_ptr<IUserOperationModel> user = di::resolveOrDie<IUserOperationModel>(container);
    std::shared_ptr<ISdkModel> sdk = di::resolveOrDie<ISdkModel>(container);
    std::shared_ptr<ISlideViewModel> slide = di::resolveOrDie<ISlideViewModel>(container);
    const foundation::Seconds slideMadeAt = time.now();
    Recorder<R> screens{di::resolveOrDie<IDisplayData>(container)->reqDisplayId()};
    Recorder<SdkState> states{di::resolveOrDie<ISdkStateData>(container)->sdkState()};
    Recorder<CauseId> causes{di::resolveOrDie<ICautionData>(container)->cause()};
    Vehicle vehicle;
    int sent = 0;

    // The vehicle's records of one cycle arrive and are arbitrated.
    void vehicleSends(BtMekDspId screen, const MekCsrReq& fields = {})
    {
        coding->decode(Vehicle::verification());
        coding->decode(vehicle.request(screen, fields));
        time.runUntilIdle();
    }

    void expectSent(const SmpOperation& expected)
    {
        const foundation::Bytes frame = coding->encode();
        time.runUntilIdle();
        ++sent;
        EXPECT_EQ(foundation::hexString(frame), foundation::hexString(OperationMessageEncoder::encodingOperationCode(expected)))
            << "message " << sent;
    }

    // The point the slider writes at the tick due now.
    ui::Point slidePoint() const
    {
        const double t = time.now() - slideMadeAt;
        return {501 + 500 * std::sin(t), 501 + 500 * std::cos(t)};
    }
};

TEST_F(ScriptedRunTest, ConnectChooseStartHoldInterruptResumeAndFinish)
{
    using enum BtMekDspId;
    const MekCsrReq leftRecommended{.MEKTGTMD = 1};
    const MekCsrReq straightAhead{.MEKLR = 0, .MEKFB = 1};
    expectSent({});

    // Connect: the first records after the confirmation ask for the park-in start screen.
    link->notifyConnectedBluetoothConnection();
    display->notifyWaitingConnectConfirm();
    vehicleSends(def);
    expectSent({});
    ASSERT_EQ(screens.values, std::vector{R::START_PARK_IN});
    display->notifyTransitionDisplay(R::START_PARK_IN);
    vehicleSends(def);
    expectSent({});

    // Start: sensing, with the connect id pinned and the vehicle's counter echoed from now on.
    user->notifyUserOperation(K::REQ_START_TOLVANE{});
    ASSERT_EQ(screens.values.back(), R::SENSING);
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::start, .disp = connect});
    display->notifyTransitionDisplay(R::SENSING);
    vehicleSends(sel_parkin_vertical, leftRecommended);
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::start, .disp = connect, .smpcnt = vehicle.counter});
    ASSERT_EQ(screens.values.back(), R::SEL_PARK_IN);

    // Choose the plan on the left.
    display->notifyTransitionDisplay(R::SEL_PARK_IN);
    vehicleSends(sel_parkin_vertical, leftRecommended);
    expectSent({.act = BtSmpAct::on, .disp = sel_parkin_vertical, .smpcnt = vehicle.counter});
    user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::LEFT});
    vehicleSends(sel_parkin_vertical, leftRecommended);
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress, .sel = BtSmpSelMd::parkplan2,
              .disp = sel_parkin_vertical, .smpcnt = vehicle.counter});

    // The vehicle operates: its operate id is echoed.
    vehicleSends(controlling_inpark, straightAhead);
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress, .sel = BtSmpSelMd::parkplan2,
              .disp = controlling_inpark, .smpcnt = vehicle.counter});
    ASSERT_EQ(screens.values.back(), R::OPERATE);
    display->notifyTransitionDisplay(R::OPERATE);
    const SmpOperation operating{.act = BtSmpAct::on, .disp = controlling_inpark};
    auto operatingAt = [&](uint32_t x, uint32_t y) {
        SmpOperation record = operating;
        record.x = x;
        record.y = y;
        record.smpcnt = vehicle.counter;
        return record;
    };
    vehicleSends(controlling_inpark, straightAhead);
    expectSent(operatingAt(0, 0));

    // Hold the slider: every message carries the point of the last tick.
    slide->onTap(true);
    for (int tick = 0; tick < 10; ++tick) {
        time.advance(0.03);
        const ui::Point point = slidePoint();
        vehicleSends(controlling_inpark, straightAhead);
        expectSent(operatingAt(static_cast<uint32_t>(point.x), static_cast<uint32_t>(point.y)));
    }

    // Interrupt: the finger leaves the slider, then the interrupt button halts the run.
    slide->onTap(false);
    expectSent(operatingAt(0, 0));
    user->notifyUserOperation(K::REQ_INTERRUPT_OPERATE{});
    const SmpOperation halted{.act = BtSmpAct::on, .disp = halt_background};
    auto haltedNow = [&] {
        SmpOperation record = halted;
        record.smpcnt = vehicle.counter;
        return record;
    };
    expectSent(haltedNow());
    vehicleSends(controlling_inpark_operation_disruption, straightAhead);
    expectSent(haltedNow());
    vehicleSends(controlling_inpark_operation_disruption, straightAhead);
    expectSent(haltedNow());

    // Resume: the vehicle asks, the user confirms, the vehicle operates again.
    vehicleSends(resume);
    expectSent(haltedNow());
    ASSERT_EQ(screens.values.back(), R::RESUME);
    display->notifyTransitionDisplay(R::RESUME);
    expectSent({.act = BtSmpAct::on, .disp = resume, .smpcnt = vehicle.counter});
    user->notifyUserOperation(K::NOTIFY_RESTART_DIALOG_OK{});
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::restart, .disp = resume, .smpcnt = vehicle.counter});
    vehicleSends(controlling_inpark, straightAhead);
    expectSent({.act = BtSmpAct::on, .btn = BtSmpBtn::restart, .disp = controlling_inpark, .smpcnt = vehicle.counter});
    display->notifyTransitionDisplay(R::OPERATE);
    vehicleSends(controlling_inpark, straightAhead);
    expectSent(operatingAt(0, 0));
    slide->onTap(true);
    for (int tick = 0; tick < 3; ++tick) {
        time.advance(0.03);
        const ui::Point point = slidePoint();
        vehicleSends(controlling_inpark, straightAhead);
        expectSent(operatingAt(static_cast<uint32_t>(point.x), static_cast<uint32_t>(point.y)));
    }
    slide->onTap(false);
    expectSent(operatingAt(0, 0));

    // Finish: the vehicle reports the car parked; the operation ends and the framework is reset.
    vehicleSends(parkin_comp);
    expectSent(operatingAt(0, 0));
    ASSERT_EQ(screens.values.back(), R::COMPLETE_PARK_IN);
    display->notifyTransitionDisplay(R::COMPLETE_PARK_IN);
    vehicleSends(parkin_comp);
    expectSent({.disp = parkin_comp});
    sdk->requestFinishSdk();
    link->notifyDisconnectedBluetoothConnection();
    expectSent({});

    EXPECT_EQ(screens.values, (std::vector{R::START_PARK_IN, R::SENSING, R::SEL_PARK_IN, R::OPERATE, R::RESUME,
                                           R::OPERATE, R::COMPLETE_PARK_IN, R::DEF}));
    // The first of each after subscribing is sent even when it equals the value before.
    EXPECT_EQ(states.values, (std::vector{SdkState::NOT_OPERATING, SdkState::OPERATING, SdkState::NOT_OPERATING}));
    EXPECT_EQ(causes.values, std::vector{CauseId::DEF});
}

} // namespace
