#pragma once

#include "application/support/SharedLink.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/SharedObject/TapEventReceiver.h"
#include "Class/SharedObject/TouchDetectorWindow.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Operating/View/OperatingViewController.h"

#include "ISlideViewModel.h"
#include "Internal/Model/IBluetoothSocketModel.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/SLIP.h"
#include "TolvaneFramework.h"
#include "vehicle-sim/OperationMessageReader.h"
#include "vehicle-sim/VehicleMessageWriter.h"

#include "accessory/AccessoryProtocol.h"
#include "accessory/LocalSocketAccessoryManager.h"
#include "bluetooth/BluetoothPower.h"
#include "di/Assembly.h"
#include "foundation/EnumCases.h"
#include "foundation/UserDefaults.h"
#include "foundation/VirtualTime.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TouchDriver.h"

#include <QDir>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace fuzzing {

// The vehicle's end of the local-socket accessory "<serial>.sock": it takes the phone's connection,
// reads whatever the phone wrote and writes the vehicle's frames, never blocking.
class UnitSocket {
public:
    UnitSocket(const std::string& directory, const std::string& serial) : path_(directory + "/" + serial + ".sock")
    {
        ::unlink(path_.c_str());
        listening_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof(address.sun_path) - 1);
        if (::bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || ::listen(listening_, 4) != 0) {
            std::perror("the unit's socket");
            std::abort();
        }
    }
    ~UnitSocket()
    {
        hangUp();
        ::close(listening_);
        ::unlink(path_.c_str());
    }
    UnitSocket(const UnitSocket&) = delete;
    UnitSocket& operator=(const UnitSocket&) = delete;

    // Takes the phone's newest connection, if it made one, and reads whatever the phone wrote; a
    // connection the phone closed is let go, so that its next one is taken.
    void serve()
    {
        for (int fd; (fd = ::accept4(listening_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
            hangUp();
            connection_ = fd;
        }
        uint8_t buffer[4096];
        ssize_t count = 0;
        while (connection_ >= 0 && (count = ::read(connection_, buffer, sizeof(buffer))) > 0) {
        }
        if (count == 0)
            hangUp();
    }
    // What the phone has not read is dropped once the connection is full or gone, as it is lost
    // between a real unit and a phone that stopped reading.
    void write(const foundation::Bytes& bytes)
    {
        if (connection_ >= 0)
            (void)::send(connection_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }

private:
    void hangUp()
    {
        if (connection_ >= 0)
            ::close(std::exchange(connection_, -1));
    }

    std::string path_;
    int listening_ = -1;
    int connection_ = -1;
};

// The framework's codec as the link calls it, with every encoded message handed to a check first.
class CheckedCoding final : public tolvane::IDataCodingModel {
public:
    CheckedCoding(std::shared_ptr<tolvane::IDataCodingModel> codec, std::function<void(const foundation::Bytes&)> check)
        : codec_(std::move(codec)), check_(std::move(check))
    {
    }
    foundation::Bytes encode() override
    {
        foundation::Bytes frame = codec_->encode();
        check_(frame);
        return frame;
    }
    void decode(const foundation::Bytes& data) override { codec_->decode(data); }

private:
    std::shared_ptr<tolvane::IDataCodingModel> codec_;
    std::function<void(const foundation::Bytes&)> check_;
};

// What the process keeps on disk (settings and history) lives in a memory-backed folder of its own,
// made once; the settings start empty for every input.
inline const QTemporaryDir& dataFolder()
{
    static const QTemporaryDir folder(QDir("/dev/shm").exists() ? "/dev/shm/tolvane-fuzz-XXXXXX" : QDir::tempPath() + "/tolvane-fuzz-XXXXXX");
    static const bool placed = [] {
        setenv("TOLVANE_DATA_DIR", folder.path().toUtf8().constData(), 1);
        return true;
    }();
    (void)placed;
    return folder;
}

inline std::shared_ptr<foundation::UserDefaults> freshUserDefaults()
{
    const std::string path = dataFolder().path().toStdString() + "/TolvaneControl.ini";
    std::remove(path.c_str());
    return std::make_shared<foundation::UserDefaults>(path);
}

// The application and the framework as a phone runs them, on virtual time, with the vehicle's side
// played by the rig: every send cycle the phone's operation message is encoded and checked, then the
// vehicle answers with its verification record and its control-state request.
class OperatingHoldRig {
public:
    static constexpr foundation::Seconds SEND_CYCLE = 0.05;
    static constexpr const char* UNIT = "VIN0001";

    // A host application hands its window's touches to the feature; the stand-alone program does not.
    explicit OperatingHoldRig(bool hostForwardsTouches)
    {
        foundation::UserDefaults::setStandard(defaults);
        time.mainLoop();
        container.removeAll();
        previousPower = bt::setBluetoothPower(accessories->bluetoothPower());
        framework = std::make_unique<tolvane::TolvaneFramework>();
        application = std::make_unique<di::Assembler>(
            std::vector<std::shared_ptr<di::Assembly>>{std::make_shared<tolvane::app::ViewAssembly>(),
                                                       std::make_shared<tolvane::app::ViewModelAssembly>(),
                                                       std::make_shared<tolvane::app::ModelDataAssembly>()},
            container);
        auto codec = std::make_shared<CheckedCoding>(di::resolveOrDie<tolvane::IDataCodingModel>(container),
                                                     [this](const foundation::Bytes& frame) { checkSent(frame); });
        container.registerService<tolvane::IDataCodingModel>([codec](di::Resolver&) { return codec; })
            .inObjectScope(di::ObjectScope::container);
        user = di::resolveOrDie<tolvane::IUserOperationModel>(container);
        startFrame = di::resolveOrDie<tolvane::ISlideViewModel>(container)->startFrame();

        testing_support::openSharedLink(*sendLoop, *receiveLoop,
                                        tolvane::app::TerminalStore::Environment{.manager = accessories,
                                                                                 .bluetoothPower = accessories->bluetoothPower()});

        auto& helper = tolvane::app::TolvaneIntegrationAppHelper::shared();
        helper.eventReceiver = receiver;
        if (hostForwardsTouches)
            windowTouches = window->touchEventPublisher().dropFirst().sink(
                [receiver = receiver](const std::optional<ui::TouchSet>& touches) { receiver->onTap(touches); });
        stack = std::make_shared<tolvane::app::BaseUINavigationController>(
            ui::StoryboardRegistry::shared().instantiateInitialViewController("RequestIdWaiting"));
        helper.navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        time.advance(0.5);
    }

    ~OperatingHoldRig()
    {
        auto& helper = tolvane::app::TolvaneIntegrationAppHelper::shared();
        helper.navigationController.reset();
        helper.eventReceiver = std::make_shared<tolvane::app::TapEventReceiver>();
        windowTouches.cancel();
        window->setRootViewController(nullptr);
        time.runUntilIdle();
        tolvane::app::CarRecordStore::shared().selectedCarRecord.reset();
        testing_support::closeSharedLink(time);
        time.advance(0.1);
        application.reset();
        framework.reset();
        container.removeAll();
        bt::setBluetoothPower(previousPower);
        foundation::UserDefaults::setStandard(nullptr);
    }

    // The road into a park-in as the screens before the operating one take it: linked to the car,
    // started, the left plan chosen; the vehicle then operates.
    void startOperating()
    {
        using enum tolvane::BtMekDspId;
        using K = tolvane::UserOperationKind;
        tolvane::app::CarRecordStore::shared().selectedCarRecord =
            tolvane::app::CarRecord{.CarID = UNIT, .CarImagePath = "", .CarName = "Fuzzed car", .CreateDate = "", .UpdateDate = ""};
        tolvane::app::TerminalStore::shared()->open(UNIT, tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
        time.advance(SEND_CYCLE);
        di::resolveOrDie<tolvane::IDisplayModel>(container)->notifyWaitingConnectConfirm();
        runCycles(2);
        user->notifyUserOperation(K::REQ_START_TOLVANE{});
        vehicle.request = {.MEKDSPID = sel_parkin_vertical, .MEKTGTMD = 1};
        runCycles(4);
        user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{tolvane::PlanParkInDirection::LEFT});
        runCycles(2);
        vehicle.request = {.MEKDSPID = controlling_inpark, .MEKDIST = 120, .MEKFB = 1};
        runCycles(20);
    }

    foundation::Seconds elapsed() const { return time.now() - startedAt; }

    void liftEveryFinger()
    {
        while (!fingers.empty())
            liftFinger(fingers.size() - 1, false);
    }

    bool operatingScreenShown() const
    {
        if (inBackground || window->rootViewController() != stack.get() || stack->presentedViewController())
            return false;
        const ui::ViewController* top = stack->topViewController();
        return dynamic_cast<const tolvane::app::OperatingViewController*>(top) && !top->presentedViewController();
    }

    void step(FuzzedDataProvider& input)
    {
        switch (input.ConsumeIntegralInRange<int>(0, 8)) {
        case 0:
            changeVehicleRequest(input);
            break;
        case 1:
            vehicleSendsOnce(input);
            break;
        case 2:
            vehicle.silentCycles = input.ConsumeIntegralInRange<int>(1, 80);
            break;
        case 3:
            fingerDown(pointFrom(input));
            break;
        case 4:
            if (!fingers.empty())
                moveFinger(pick(input), pointFrom(input));
            break;
        case 5:
            if (!fingers.empty())
                liftFinger(pick(input), input.ConsumeBool());
            break;
        case 6:
            lifecycle(input.ConsumeBool());
            break;
        case 7:
            time.advance(0.01 * input.ConsumeIntegralInRange<int>(0, 4));
            break;
        default:
            runCycles(input.ConsumeIntegralInRange<int>(1, 60));
            break;
        }
    }

    // Send cycles: the phone's send thread encodes its message (checked as it is encoded), the unit
    // reads it and, unless silent, answers with its verification record and its request.
    void runCycles(int cycles)
    {
        for (int i = 0; i < cycles; ++i) {
            time.advance(SEND_CYCLE);
            unit.serve();
            if (vehicle.silentCycles > 0) {
                --vehicle.silentCycles;
            } else {
                unit.write(vehiclesim::VehicleMessageWriter::verification(vehicle.verification));
                unit.write(vehiclesim::VehicleMessageWriter::csrRequest(vehicle.request, ++vehicle.counter));
            }
            time.runUntilIdle();
        }
    }

private:
    struct Vehicle {
        tolvane::MekVerification verification{.IDTDSPID = tolvane::BtIdtDspId::none,
                                               .IDTBTRQ = tolvane::BtIdtBtRq::parkInOrFowaback};
        tolvane::MekCsrReq request;
        uint8_t counter = 40;
        int silentCycles = 0;
    };

    void changeVehicleRequest(FuzzedDataProvider& input)
    {
        static const auto screens = foundation::allCases<tolvane::BtMekDspId>();
        vehicle.request = {
            .MEKDSPID = screens[input.ConsumeIntegralInRange<size_t>(0, screens.size() - 1)],
            .MEKCTRMD = input.ConsumeIntegralInRange<int64_t>(0, 63) << 2,
            .MEKTGTMD = input.ConsumeIntegralInRange<int64_t>(0, 7),
            .MEKDIST = input.ConsumeIntegralInRange<int64_t>(0, 255),
            .MEKLR = input.ConsumeIntegralInRange<int64_t>(0, 63),
            .MEKFB = input.ConsumeIntegralInRange<int64_t>(0, 3),
        };
    }

    // One frame out of the ordinary cycle: obstacles, moving objects, an abnormality, a request with
    // a bad checksum or a stuck counter, another verification, or bytes of no frame at all.
    void vehicleSendsOnce(FuzzedDataProvider& input)
    {
        using Writer = vehiclesim::VehicleMessageWriter;
        switch (input.ConsumeIntegralInRange<int>(0, 5)) {
        case 0: {
            auto band = [&] { return input.ConsumeIntegralInRange<int64_t>(0, 7); };
            unit.write(Writer::detection({.FR_POS = band(), .FL_POS = band(), .FRC_POS = band(), .FLC_POS = band(),
                                              .RR_POS = band(), .RL_POS = band(), .RRC_POS = band(), .RLC_POS = band()}));
            break;
        }
        case 1:
            unit.write(Writer::information({.MV_FL = input.ConsumeIntegralInRange<int64_t>(0, 3),
                                                .MV_RR = input.ConsumeIntegralInRange<int64_t>(0, 3)}));
            break;
        case 2:
            unit.write(Writer::abnormality({.DCUIDTER = input.ConsumeBool(), .DCUCSRER = input.ConsumeBool()}));
            break;
        case 3:
            unit.write(Writer::csrRequest(vehicle.request, input.ConsumeBool() ? vehicle.counter : ++vehicle.counter, input.ConsumeBool()));
            break;
        case 4: {
            static const auto requests = foundation::allCases<tolvane::BtIdtBtRq>();
            static const auto screens = foundation::allCases<tolvane::BtIdtDspId>();
            vehicle.verification = {.IDTDSPID = screens[input.ConsumeIntegralInRange<size_t>(0, screens.size() - 1)],
                                    .IDTBTRQ = requests[input.ConsumeIntegralInRange<size_t>(0, requests.size() - 1)]};
            break;
        }
        default:
            unit.write(input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(1, 24)));
            break;
        }
        time.runUntilIdle();
    }

    // Most fingers land on the slider's squares or just beside them, the rest anywhere on the glass.
    ui::Point pointFrom(FuzzedDataProvider& input)
    {
        const ui::Rect area = input.ConsumeBool() ? ui::Rect{startFrame.minX() - 20, startFrame.minY() - 160, 160, 300}
                                                  : window->bounds();
        return {area.minX() + input.ConsumeIntegralInRange<int>(0, 255) * area.width() / 255,
                area.minY() + input.ConsumeIntegralInRange<int>(0, 255) * area.height() / 255};
    }

    size_t pick(FuzzedDataProvider& input) { return input.ConsumeIntegralInRange<size_t>(0, fingers.size() - 1); }

    void fingerDown(ui::Point location)
    {
        if (fingers.size() >= 3)
            return;
        const bool onSlider = startFrame.contains(location);
        fingers.push_back({touches.begin(location), onSlider});
        if (onSlider)
            releasedSliderFinger = false;
        time.runUntilIdle();
    }

    void moveFinger(size_t index, ui::Point location)
    {
        touches.move(fingers[index].touch, location);
        time.runUntilIdle();
    }

    void liftFinger(size_t index, bool cancelled)
    {
        const Finger finger = fingers[index];
        fingers.erase(fingers.begin() + static_cast<std::ptrdiff_t>(index));
        if (finger.startedOnSlider)
            releasedSliderFinger = true;
        if (cancelled)
            touches.cancel(finger.touch);
        else
            touches.end(finger.touch);
        time.runUntilIdle();
    }

    // The application resigns active and goes to the background, or comes back, as the lifecycle
    // bodies tell the framework.
    void lifecycle(bool toBackground)
    {
        auto sdk = di::resolveOrDie<tolvane::ISdkModel>(container);
        inBackground = toBackground;
        if (toBackground)
            sdk->notifyMoveToBackground();
        else
            sdk->notifyMoveToForeground();
        time.runUntilIdle();
    }

    bool sliderFingerDown() const
    {
        for (const Finger& finger : fingers)
            if (finger.startedOnSlider)
                return true;
        return false;
    }

    void checkSent(const foundation::Bytes& frame)
    {
        const auto read = vehiclesim::OperationMessageReader::read(tolvane::SLIP::decode(frame));
        if (!read)
            fail("the phone sent a message the vehicle cannot read", frame);
        const auto& operation = read->operation;
        const bool held = operation.act == tolvane::BtSmpAct::on && (operation.x != 0 || operation.y != 0);
        if (!held)
            return;
        if (!operatingScreenShown())
            fail("a held point went out while the operating screen was not shown", frame);
        if (!sliderFingerDown())
            fail("a held point went out with no finger on the slider", frame);
        if (releasedSliderFinger)
            fail("a held point went out after the finger on the slider had lifted", frame);
    }

    [[noreturn]] static void fail(const char* what, const foundation::Bytes& frame)
    {
        std::fprintf(stderr, "%s: %s\n", what, foundation::hexString(frame).c_str());
        std::abort();
    }

    struct Finger {
        std::shared_ptr<ui::Touch> touch;
        bool startedOnSlider = false;
    };

    std::shared_ptr<foundation::UserDefaults> defaults = freshUserDefaults();
    foundation::VirtualTime time;
    const foundation::Seconds startedAt = time.now();
    std::shared_ptr<foundation::RunLoop> sendLoop = time.makeLoop("send");
    std::shared_ptr<foundation::RunLoop> receiveLoop = time.makeLoop("receive");
    di::Container& container = di::Container::defaultContainer();
    UnitSocket unit{dataFolder().path().toStdString(), UNIT};
    std::shared_ptr<accessory::LocalSocketAccessoryManager> accessories =
        std::make_shared<accessory::LocalSocketAccessoryManager>(dataFolder().path().toStdString(), accessory::defaultProtocolString());
    std::shared_ptr<bt::IBluetoothPower> previousPower;
    std::shared_ptr<tolvane::app::TouchDetectorWindow> window =
        std::make_shared<tolvane::app::TouchDetectorWindow>(ui::Rect{0, 0, 390, 844});
    std::unique_ptr<tolvane::TolvaneFramework> framework;
    std::unique_ptr<di::Assembler> application;
    std::shared_ptr<tolvane::IUserOperationModel> user;
    ui::Rect startFrame;
    std::shared_ptr<tolvane::app::TapEventReceiver> receiver = std::make_shared<tolvane::app::TapEventReceiver>();
    rx::Cancellable windowTouches;
    std::shared_ptr<tolvane::app::BaseUINavigationController> stack;
    ui::TouchDriver touches{*window};
    std::vector<Finger> fingers;
    bool releasedSliderFinger = false;
    bool inBackground = false;
    Vehicle vehicle;
};

} // namespace fuzzing
