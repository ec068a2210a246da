// Runs the link as the program does (main loop on Qt, send and receive centres on their own
// threads) against the simulated unit in this process, for a while, and reports the send cycle's
// period and jitter as the unit sees it and the processor time the link's threads cost.
//
//   send-cycle-measure [--seconds 60] [--load] [--no-log]
//
// --load keeps one more core busy for the whole run; --no-log leaves the daily log off, so the
// processor time is the link's alone. The report goes to standard error, the log's console copy to
// standard output.

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "vehicle-sim/VehicleUnit.h"

#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "accessory/LocalSocketAccessoryManager.h"
#include "di/Container.h"
#include "foundation/Clock.h"
#include "foundation/QtRunLoop.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The framework's codec as far as sending goes: one operation frame per call.
class OperationFrames final : public tolvane::IDataCodingModel {
public:
    foundation::Bytes encode() override
    {
        {
            std::lock_guard lock(mutex);
            times.push_back(clock.now());
        }
        ++operation_.smpcnt;
        return tolvane::OperationMessageEncoder::encodingOperationCode(operation_);
    }
    void decode(const foundation::Bytes&) override {}

    foundation::SystemClock clock;
    std::mutex mutex;
    std::vector<double> times;

private:
    tolvane::SmpOperation operation_;
};

// Processor time of one thread of this process so far, in seconds.
double threadCpuSeconds(long tid)
{
    std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the parenthesised name: state is field 3, utime 14, stime 15.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14)
            utime = std::stoull(field);
        if (index == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long threadIdOf(tolvane::app::TaskCenter& center)
{
    std::promise<long> tid;
    center.enqueueSingleTask([&] { tid.set_value(static_cast<long>(syscall(SYS_gettid))); });
    return tid.get_future().get();
}

struct Periods {
    double mean = 0;
    double p99Deviation = 0;
    double maxDeviation = 0;
    size_t count = 0;
};

Periods periodsOf(const std::vector<double>& times)
{
    Periods result;
    if (times.size() < 2)
        return result;
    std::vector<double> deviations;
    for (size_t i = 1; i < times.size(); ++i)
        deviations.push_back(std::abs(times[i] - times[i - 1] - 0.05));
    std::sort(deviations.begin(), deviations.end());
    result.count = deviations.size();
    result.mean = (times.back() - times.front()) / static_cast<double>(times.size() - 1);
    result.p99Deviation = deviations[static_cast<size_t>(0.99 * static_cast<double>(deviations.size() - 1))];
    result.maxDeviation = deviations.back();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 60;
    bool load = false;
    bool log = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (argument == "--load")
            load = true;
        else if (argument == "--no-log")
            log = false;
        else {
            std::fprintf(stderr, "usage: send-cycle-measure [--seconds 60] [--load] [--no-log]\n");
            return 2;
        }
    }

    QTemporaryDir folder;
    setenv("TOLVANE_DATA_DIR", folder.path().toUtf8().constData(), 1);
    QCoreApplication app(argc, argv);
    foundation::SystemClock clock;
    auto mainLoop = std::make_shared<foundation::QtRunLoop>("main", clock, QThread::currentThread());
    foundation::RunLoop::setMain(mainLoop.get());
    // Daily log lines as the program writes them (their console copy goes to standard output).
    if (log)
        tolvane::app::LogManager::setup();

    std::atomic<bool> running{true};
    std::thread busy;
    if (load)
        busy = std::thread([&] {
            volatile unsigned long spin = 0;
            while (running.load(std::memory_order_relaxed))
                spin = spin + 1;
        });

    foundation::WorkerThread vehicleThread("vehicle", 0.5, clock);
    vehicleThread.start();
    std::unique_ptr<vehiclesim::VehicleUnit> unit;
    std::promise<void> unitReady;
    vehicleThread.loop().post([&] {
        vehiclesim::VehicleUnit::Options options;
        options.directory = folder.path().toStdString() + "/accessories";
        unit = std::make_unique<vehiclesim::VehicleUnit>(vehicleThread.loop(), options);
        unitReady.set_value();
    });
    unitReady.get_future().wait();

    auto frames = std::make_shared<OperationFrames>();
    di::Container::defaultContainer().registerService<tolvane::IDataCodingModel>(
        [frames](di::Resolver&) { return frames; });
    auto send = tolvane::app::DataTransmissionCenter::shared();
    auto receive = tolvane::app::DataReceiveCenter::shared();
    send->startThread(clock);
    receive->startThread(clock);
    auto manager = std::make_shared<accessory::LocalSocketAccessoryManager>(folder.path().toStdString() + "/accessories",
                                                                            "com.tolvane.control.protocol1");
    tolvane::app::TerminalStore::setSharedEnvironment(
        tolvane::app::TerminalStore::Environment{.manager = manager, .bluetoothPower = manager->bluetoothPower()});
    auto store = tolvane::app::TerminalStore::shared();
    mainLoop->post([store] { store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0); });

    const long mainTid = static_cast<long>(syscall(SYS_gettid));
    const long sendTid = threadIdOf(*send);
    const long receiveTid = threadIdOf(*receive);
    double cpuAtStart = 0;
    double wallAtStart = 0;
    size_t receivedAtStart = 0;
    // The first second settles the link; the measurement runs from there.
    mainLoop->scheduleTimer(1.0, false, [&](foundation::Timer&) {
        cpuAtStart = threadCpuSeconds(mainTid) + threadCpuSeconds(sendTid) + threadCpuSeconds(receiveTid);
        wallAtStart = clock.now();
        receivedAtStart = unit->received().size();
    });
    mainLoop->scheduleTimer(1.0 + seconds, false, [&](foundation::Timer&) { app.quit(); });
    app.exec();

    const double cpu = threadCpuSeconds(mainTid) + threadCpuSeconds(sendTid) + threadCpuSeconds(receiveTid) - cpuAtStart;
    const double wall = clock.now() - wallAtStart;
    std::vector<double> arrivals;
    const auto received = unit->received();
    for (size_t i = receivedAtStart; i < received.size(); ++i)
        arrivals.push_back(received[i].time);
    const Periods periods = periodsOf(arrivals);
    std::vector<double> sends;
    {
        std::lock_guard lock(frames->mutex);
        for (double t : frames->times)
            if (t >= wallAtStart)
                sends.push_back(t);
    }
    const Periods sendPeriods = periodsOf(sends);

    running = false;
    if (busy.joinable())
        busy.join();
    const auto report = [](const char* where, const Periods& p) {
        std::fprintf(stderr, "  %-22s %zu periods, mean %.4f ms, deviation from 50 ms: p99 %.3f ms, max %.3f ms\n", where,
                     p.count, p.mean * 1000, p.p99Deviation * 1000, p.maxDeviation * 1000);
    };
    std::fprintf(stderr, "send cycle over %.1f s%s%s:\n", wall, load ? ", one busy core" : "", log ? "" : ", no log");
    report("sent (send thread):", sendPeriods);
    report("arrived (unit):", periods);
    std::fprintf(stderr, "  link threads (main, send, receive): %.3f s of processor time = %.2f %% of one core\n", cpu,
                 100.0 * cpu / wall);

    tolvane::app::TerminalStore::destroyShared();
    tolvane::app::DataTransmissionCenter::destroy();
    tolvane::app::DataReceiveCenter::destroy();
    QCoreApplication::processEvents();
    vehicleThread.loop().post([&] { unit.reset(); });
    vehicleThread.stop();
    return 0;
}
