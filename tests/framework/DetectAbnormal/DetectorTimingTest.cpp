#include "DetectorRig.h"

#include "foundation/ClassName.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace tolvane;
using testing_support::DetectorRig;
using testing_support::request;
using testing_support::verification;
using C = InternalCause;
using D = BtMekDspId;
using S = DetectState;
using Act = std::function<void(DetectorRig&)>;

struct Step {
    foundation::Seconds at;
    Act act;
    DetectState state;
    std::optional<C> top = std::nullopt;
    // The end of the last line logged since the step before, when one is expected; the line names
    // the detector's own source file.
    const char* logged = nullptr;
};

struct Scenario {
    const char* name;
    std::function<const BaseDetectAbnormal&(DetectorRig&)> detector;
    std::vector<Step> steps;
};

template <class... Acts>
Act both(Acts... acts)
{
    return [=](DetectorRig& rig) { (acts(rig), ...); };
}

// Nothing happens at the step but time passing.
const Act wait = [](DetectorRig&) {};

const Act startVerificationWatchdog = [](DetectorRig& r) { r.verificationWatchdog->startDetect(); };
const Act stopVerificationWatchdog = [](DetectorRig& r) { r.verificationWatchdog->stopDetect(); };
const Act verificationArrives = [](DetectorRig& r) { r.verificationWatchdog->detect(verification()); };
const Act noVerification = [](DetectorRig& r) { r.verificationWatchdog->detect(std::nullopt); };
const Act pauseVerificationWatchdog = [](DetectorRig& r) { r.verificationWatchdog->switchPause(true); };
const Act resumeVerificationWatchdog = [](DetectorRig& r) { r.verificationWatchdog->switchPause(false); };
const Act startRequestWatchdog = [](DetectorRig& r) { r.requestWatchdog->startDetect(); };

const Act startCheckSum = [](DetectorRig& r) { r.checkSum->startDetect(); };
const Act badChecksum = [](DetectorRig& r) { r.checkSum->detect(MekCsrReq{.checkSumAbnormal = true}); };
const Act goodChecksum = [](DetectorRig& r) { r.checkSum->detect(MekCsrReq{}); };

const Act startCounterFixing = [](DetectorRig& r) { r.counterFixing->startDetect(); };
const Act counterFixed = [](DetectorRig& r) { r.counterFixing->detect(MekCsrReq{.MEKDIST = 10, .isCntFixing = true}); };
const Act counterMoved = [](DetectorRig& r) { r.counterFixing->detect(MekCsrReq{.MEKDIST = 10}); };
const Act emptyRecordFixed = [](DetectorRig& r) { r.counterFixing->detect(MekCsrReq{.MEKCNT = 9, .isCntFixing = true}); };

const Act powerOff = [](DetectorRig& r) { r.power->setState(bt::PowerState::poweredOff); };
const Act powerOn = [](DetectorRig& r) { r.power->setState(bt::PowerState::poweredOn); };
const Act startBluetooth = [](DetectorRig& r) { r.bluetooth->startDetect(); };
const Act checkBluetooth = [](DetectorRig& r) { r.bluetooth->detect(); };
const Act toBackground = [](DetectorRig& r) { r.bluetooth->switchPause(true); };
const Act toForeground = [](DetectorRig& r) { r.bluetooth->switchPause(false); };

Act dcuCsrRecord(int64_t csrError, int64_t idtError, D display = D::def, BtIdtDspId idt = BtIdtDspId::none)
{
    return [=](DetectorRig& r) {
        r.dcuCsr->detect(verification(idt), request(display), MekAbnormal{.DCUIDTER = idtError, .DCUCSRER = csrError});
    };
}

Act dcuIdtRecord(int64_t csrError, int64_t idtError)
{
    return [=](DetectorRig& r) {
        r.dcuIdt->detect(verification(), request(), MekAbnormal{.DCUIDTER = idtError, .DCUCSRER = csrError});
    };
}

Act latchRecord(D current, std::optional<D> previous)
{
    return [=](DetectorRig& r) {
        r.latch->detect(request(current), previous ? std::optional(request(*previous)) : std::nullopt);
    };
}

// The vehicle turns to the route-lost halt `sinceTouch` seconds after the user's last touch began.
Act turnToRouteLost(foundation::Seconds sinceTouch, D previous = D::def)
{
    return [=](DetectorRig& r) {
        r.deadlock->detect(request(D::halt_route_lost), request(previous), r.time.now() - sinceTouch);
    };
}

Act vehicleShows(D display)
{
    return [=](DetectorRig& r) { r.mekdsp->detect(request(display)); };
}

Act verificationShows(BtIdtDspId idt, MekCsrReq req)
{
    return [=](DetectorRig& r) { r.idtdsp->detect(verification(idt), req); };
}

template <class T>
std::function<const BaseDetectAbnormal&(DetectorRig&)> detector(std::shared_ptr<T> DetectorRig::*member)
{
    return [member](DetectorRig& rig) -> const BaseDetectAbnormal& { return *(rig.*member); };
}

TEST(DetectorTimingTest, DetectorsRaiseAndWithdrawTheirCausesOnTime)
{
    const std::vector<Scenario> scenarios = {
        {"a watchdog halts after 3.0 s of silence and stops 30.0 s later",
         detector(&DetectorRig::verificationWatchdog),
         {{0, startVerificationWatchdog, S::normal},
          {2.75, verificationArrives, S::normal},
          {5.5, verificationArrives, S::normal},
          {8.25, noVerification, S::normal},
          {8.5, wait, S::interrupt, C::haltVerificationBtLoss,
           "Occured disrupted communication BTID 0x0004 error [Interrupt]."},
          {38.25, wait, S::interrupt, C::haltVerificationBtLoss},
          {38.5, wait, S::suspension, C::stopVerificationBtLoss,
           "Occured disrupted communication BTID 0x0004 error [Suspension]."},
          {40, verificationArrives, S::normal, C::stopVerificationBtLoss},
          {42.75, wait, S::normal, C::stopVerificationBtLoss},
          {43, wait, S::interrupt, C::stopVerificationBtLoss}}},
        {"the request watchdog posts the loss of control-state requests",
         detector(&DetectorRig::requestWatchdog),
         {{0, startRequestWatchdog, S::normal},
          {3, wait, S::interrupt, C::haltReqBtLoss, "Occured disrupted communication BTID 0x0005 error [Interrupt]."},
          {33, wait, S::suspension, C::stopReqBtLoss, "Occured disrupted communication BTID 0x0005 error [Suspension]."}}},
        {"a paused watchdog ignores records and never runs out; resuming gives a full timeout",
         detector(&DetectorRig::verificationWatchdog),
         {{0, startVerificationWatchdog, S::normal},
          {1, pauseVerificationWatchdog, S::normal},
          {2, verificationArrives, S::normal},
          {100, resumeVerificationWatchdog, S::normal},
          {102.75, wait, S::normal},
          {103, pauseVerificationWatchdog, S::interrupt, C::haltVerificationBtLoss},
          {500, resumeVerificationWatchdog, S::interrupt, C::haltVerificationBtLoss},
          {529.75, wait, S::interrupt, C::haltVerificationBtLoss},
          {530, wait, S::suspension, C::stopVerificationBtLoss}}},
        {"pausing a watchdog that is not running leaves it unpaused",
         detector(&DetectorRig::verificationWatchdog),
         {{0, both(pauseVerificationWatchdog, startVerificationWatchdog), S::normal},
          {2.75, verificationArrives, S::normal},
          {5.5, wait, S::normal},
          {5.75, wait, S::interrupt, C::haltVerificationBtLoss}}},
        {"a watchdog started while paused runs out although it ignores records",
         detector(&DetectorRig::verificationWatchdog),
         {{0, both(startVerificationWatchdog, pauseVerificationWatchdog), S::normal},
          {1, both(stopVerificationWatchdog, startVerificationWatchdog), S::normal},
          {2, both(verificationArrives, pauseVerificationWatchdog), S::normal},
          {4, wait, S::interrupt, C::haltVerificationBtLoss},
          {34, wait, S::suspension, C::stopVerificationBtLoss}}},
        {"a stopped watchdog keeps no timer",
         detector(&DetectorRig::verificationWatchdog),
         {{0, startVerificationWatchdog, S::normal},
          {2, both(stopVerificationWatchdog, stopVerificationWatchdog), S::none},
          {100, verificationArrives, S::none}}},
        {"a bad checksum halts when held longer than 0.5 s and stops when held longer than 2.6 s",
         detector(&DetectorRig::checkSum),
         {{0, both(startCheckSum, badChecksum), S::normal},
          {0.5, badChecksum, S::normal},
          {0.6, badChecksum, S::interrupt, C::haltChecksumAnomaly, "Occured check sum abnormal error [Interrupt]."},
          {0.7, startCheckSum, S::interrupt, C::haltChecksumAnomaly},
          {2.5, badChecksum, S::interrupt, C::haltChecksumAnomaly, "Occured check sum abnormal error [Interrupt]."},
          {2.7, badChecksum, S::suspension, C::stopChecksumAnomaly, "Occured check sum abnormal error [Suspension]."},
          {3, goodChecksum, S::normal, C::stopChecksumAnomaly},
          {3.5, badChecksum, S::normal, C::stopChecksumAnomaly}}},
        {"a bad checksum held 2.7 s stops without a halt first",
         detector(&DetectorRig::checkSum),
         {{0, both(startCheckSum, badChecksum), S::normal},
          {2.7, badChecksum, S::suspension, C::stopChecksumAnomaly}}},
        {"a fixed counter halts after more than 3.0 s and stops more than 3.0 s after the halt",
         detector(&DetectorRig::counterFixing),
         {{0, both(startCounterFixing, counterFixed), S::normal},
          {3, counterFixed, S::normal},
          {3.25, counterFixed, S::interrupt, C::haltCounterAnomaly, "Occured clear soner fixing error [Interrupt]."},
          {6.25, counterFixed, S::interrupt, C::haltCounterAnomaly},
          {6.5, counterFixed, S::suspension, C::stopCounterAnomaly, "Occured clear soner fixing error [Suspension]."},
          {20, counterFixed, S::suspension, C::stopCounterAnomaly},
          {21, counterMoved, S::normal, C::stopCounterAnomaly}}},
        {"a record carrying no data never counts as a fixed counter",
         detector(&DetectorRig::counterFixing),
         {{0, both(startCounterFixing, emptyRecordFixed), S::normal},
          {5, emptyRecordFixed, S::normal},
          {6, counterFixed, S::normal},
          {9.25, counterFixed, S::interrupt, C::haltCounterAnomaly}}},
        {"Bluetooth off halts at the first check and stops 30.0 s later",
         detector(&DetectorRig::bluetooth),
         {{0, both(powerOff, startBluetooth, checkBluetooth), S::interrupt, C::haltBtOff,
           "Occured Bluetooth OFF error [Interrupt]."},
          {29.75, checkBluetooth, S::interrupt, C::haltBtOff},
          {30, wait, S::suspension, C::stopBtOff, "Occured Bluetooth OFF error [Suspension]."},
          {31, checkBluetooth, S::suspension, C::stopBtOff},
          {32, both(powerOn, checkBluetooth), S::normal, C::stopBtOff}}},
        {"time in the background does not count as off time",
         detector(&DetectorRig::bluetooth),
         {{0, both(powerOff, startBluetooth, checkBluetooth), S::interrupt, C::haltBtOff},
          {10, toBackground, S::interrupt, C::haltBtOff},
          {100, toForeground, S::interrupt, C::haltBtOff},
          {119.75, checkBluetooth, S::interrupt, C::haltBtOff},
          {120, wait, S::suspension, C::stopBtOff}}},
        {"a second stay in the background does not count the first one",
         detector(&DetectorRig::bluetooth),
         {{0, both(powerOff, startBluetooth, checkBluetooth), S::interrupt, C::haltBtOff},
          {10, toBackground, S::interrupt, C::haltBtOff},
          {100, toForeground, S::interrupt, C::haltBtOff},
          {105, toBackground, S::interrupt, C::haltBtOff},
          {200, toForeground, S::interrupt, C::haltBtOff},
          {214.75, wait, S::interrupt, C::haltBtOff},
          {215, wait, S::suspension, C::stopBtOff}}},
        {"a stay in the background after Bluetooth came back on posts no stop",
         detector(&DetectorRig::bluetooth),
         {{0, both(powerOff, startBluetooth, checkBluetooth), S::interrupt, C::haltBtOff},
          {5, both(powerOn, checkBluetooth), S::normal},
          {40, toBackground, S::normal},
          {50, toForeground, S::normal},
          {300, wait, S::normal}}},
        {"a short stay in the background after Bluetooth came back on posts no stop",
         detector(&DetectorRig::bluetooth),
         {{0, both(powerOff, startBluetooth, checkBluetooth), S::interrupt, C::haltBtOff},
          {5, both(powerOn, checkBluetooth), S::normal},
          {6, toBackground, S::normal},
          {7, toForeground, S::normal},
          {60, wait, S::normal}}},
        {"checks are ignored while paused",
         detector(&DetectorRig::bluetooth),
         {{0, both(startBluetooth, checkBluetooth), S::normal},
          {1, both(toBackground, powerOff, checkBluetooth), S::normal},
          {2, both(toForeground, checkBluetooth), S::interrupt, C::haltBtOff}}},
        {"three unit error reports halt and 180.0 s later stop",
         detector(&DetectorRig::dcuCsr),
         {{0, both(dcuCsrRecord(1, 0), [](DetectorRig& r) { r.dcuCsr->startDetect(); }, dcuCsrRecord(1, 0)), S::normal},
          {1, dcuCsrRecord(1, 0), S::normal},
          {2, dcuCsrRecord(1, 0), S::interrupt, C::haltDcucsrerInterrupt, "Occured DCUCSRER error [Interrupt]."},
          {3, dcuCsrRecord(1, 0), S::interrupt, C::haltDcucsrerInterrupt, "Occured DCUCSRER error [Interrupt]."},
          {181.75, wait, S::interrupt, C::haltDcucsrerInterrupt},
          {182, wait, S::suspension, C::stopDcucsrerInterrupt, "Occured DCUCSRER error [Suspension]."},
          {183, dcuCsrRecord(1, 0), S::interrupt, C::stopDcucsrerInterrupt},
          {600, wait, S::interrupt, C::stopDcucsrerInterrupt}}},
        {"a quiet record keeps the count and any other trouble restarts it",
         detector(&DetectorRig::dcuCsr),
         {{0, both([](DetectorRig& r) { r.dcuCsr->startDetect(); }, dcuCsrRecord(1, 0), dcuCsrRecord(1, 0)), S::normal},
          {1, dcuCsrRecord(0, 0), S::normal},
          {2, dcuCsrRecord(1, 0), S::interrupt, C::haltDcucsrerInterrupt},
          {3, dcuCsrRecord(0, 0, D::def, BtIdtDspId::ab_end), S::normal},
          {4, dcuCsrRecord(1, 0), S::normal},
          {5, both(dcuCsrRecord(0, 1), dcuCsrRecord(1, 0), dcuCsrRecord(1, 0)), S::normal},
          {6, both(dcuCsrRecord(0, 0, D::halt_outarea), dcuCsrRecord(1, 0), dcuCsrRecord(1, 0)), S::normal},
          {7, dcuCsrRecord(1, 0), S::interrupt, C::haltDcucsrerInterrupt}}},
        {"verification-side errors count only while the control-state side is quiet",
         detector(&DetectorRig::dcuIdt),
         {{0, both([](DetectorRig& r) { r.dcuIdt->startDetect(); }, dcuIdtRecord(0, 1), dcuIdtRecord(0, 1)), S::normal},
          {1, dcuIdtRecord(1, 1), S::normal},
          {2, both(dcuIdtRecord(0, 1), dcuIdtRecord(0, 1)), S::normal},
          {3, dcuIdtRecord(0, 1), S::interrupt, C::haltDcuidterInterrupt, "Occured DCUIDTER error [Interrupt]."},
          {183, wait, S::suspension, C::stopDcuidterInterrupt, "Occured DCUIDTER error [Suspension]."}}},
        {"a turn to the route-lost halt posts it and blocks the latch for 3.0 s",
         detector(&DetectorRig::latch),
         {{0, both([](DetectorRig& r) { r.latch->startDetect(); }, latchRecord(D::halt_route_lost, std::nullopt)),
           S::interrupt, C::routeLost, "Occured latch error [Interrupt]."},
          {1, latchRecord(D::def, D::def), S::interrupt, C::routeLost},
          {3, wait, S::normal, C::routeLost},
          {4, latchRecord(D::halt_route_lost, D::halt_route_lost), S::normal, C::routeLost},
          {5, latchRecord(D::def, D::halt_route_lost), S::normal, C::routeLost},
          {6, latchRecord(D::def, D::def), S::normal},
          {7, latchRecord(D::halt_route_lost, D::def), S::interrupt, C::routeLost}}},
        {"the third quick turn to the route-lost halt after a touch is a deadlock",
         detector(&DetectorRig::deadlock),
         {{0, both([](DetectorRig& r) { r.deadlock->startDetect(); }, turnToRouteLost(0.4)), S::normal},
          {1, turnToRouteLost(1.0), S::normal},
          {2, turnToRouteLost(1.01), S::normal},
          {2.5, turnToRouteLost(0.1, D::halt_route_lost), S::normal},
          {3, turnToRouteLost(0.9), S::suspension, C::deadLock, "Occured deadlock error [Suspension]."},
          {4, turnToRouteLost(0.1), S::suspension, C::deadLock}}},
        {"the vehicle's display id posts its cause, replacing the one before",
         detector(&DetectorRig::mekdsp),
         {{0, both([](DetectorRig& r) { r.mekdsp->startDetect(); }, vehicleShows(D::halt_opendoor)), S::interrupt,
           C::openDoor, "Occured MEKDSPID error [Interrupt]."},
          {1, vehicleShows(D::halt_outarea), S::interrupt, C::outArea},
          {2, vehicleShows(D::def), S::interrupt, C::outArea},
          {3, vehicleShows(D::sel_parkin_vertical), S::normal},
          {4, vehicleShows(D::halt_background), S::normal}}},
        {"the verification display id posts its abnormality while the vehicle shows nothing of its own",
         detector(&DetectorRig::idtdsp),
         {{0,
           both([](DetectorRig& r) { r.idtdsp->startDetect(); }, verificationShows(BtIdtDspId::ab_keys_nodetect, request())),
           S::interrupt, C::keysNoDetect, "Occured IDTDSPID error [Interrupt]."},
          {1, verificationShows(BtIdtDspId::ab_keys_nodetect, request(D::halt_outarea)), S::normal},
          {2,
           both([](DetectorRig& r) { r.causes->addCause(C::haltCounterAnomaly); },
                verificationShows(BtIdtDspId::ab_conn_batt, MekCsrReq{.MEKDSPID = D::halt_outarea, .isCntFixing = true})),
           S::interrupt, C::abnormalConnectBattery},
          {3, [](DetectorRig& r) { r.idtdsp->detect(std::nullopt, request()); }, S::interrupt, C::abnormalConnectBattery},
          {4, verificationShows(BtIdtDspId::none, request()), S::normal, C::haltCounterAnomaly}}},
    };
    for (const auto& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        DetectorRig rig;
        for (const auto& step : scenario.steps) {
            SCOPED_TRACE(testing::Message() << "at " << step.at << " s");
            const size_t linesBefore = rig.log->lines().size();
            rig.at(step.at);
            step.act(rig);
            EXPECT_EQ(scenario.detector(rig).state(), step.state);
            EXPECT_EQ(rig.causes->topCause(), step.top);
            if (step.logged) {
                const auto lines = rig.log->lines();
                ASSERT_GT(lines.size(), linesBefore);
                EXPECT_TRUE(lines.back().ends_with(step.logged)) << lines.back();
                const BaseDetectAbnormal& detector = scenario.detector(rig);
                EXPECT_TRUE(lines.back().starts_with("[Info] " + foundation::className(typeid(detector)) + ".cpp #"))
                    << lines.back();
            }
        }
    }
}

} // namespace
