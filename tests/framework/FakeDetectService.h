#pragma once

#include "Internal/Model/IDetectService.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Records which detection-service calls were made, in order. `onDetectCommunication` stands in for
// the detectors' effect on the causes.
class FakeDetectService final : public tolvane::IDetectService {
public:
    using DetectCommunication =
        std::function<void(const std::optional<tolvane::MekVerification>&, const std::optional<tolvane::MekCsrReq>&,
                           const std::optional<tolvane::MekAbnormal>&)>;

    bool doChecksum() const override { return checksumChecked; }
    bool isDetectPause() const override { return detectPaused; }
    bool isDetectFinished() const override { return detectFinished; }
    void startDetectForBluetoothConnect() override { calls.push_back("startDetectForBluetoothConnect"); }
    void startDetectForCommunication() override { calls.push_back("startDetectForCommunication"); }
    void startDetectForCounterUpdate() override { calls.push_back("startDetectForCounterUpdate"); }
    void startDetectForLastTenCounterUpdate() override { calls.push_back("startDetectForLastTenCounterUpdate"); }
    void startDetectForActOn() override { calls.push_back("startDetectForActOn"); }
    void stopDetectForRestart() override { calls.push_back("stopDetectForRestart"); }
    void stopDetectForComplete() override { calls.push_back("stopDetectForComplete"); }
    void stopDetectAll() override { calls.push_back("stopDetectAll"); }
    void switchPauseDetect(bool pause) override
    {
        calls.push_back(pause ? "switchPauseDetect(true)" : "switchPauseDetect(false)");
        detectPaused = pause;
    }
    void switchPauseDetectCommunication(bool) override { calls.push_back("switchPauseDetectCommunication"); }
    void detectBluetoothOff() override { calls.push_back("detectBluetoothOff"); }
    void detectCommunication(const std::optional<tolvane::MekVerification>& verification,
                             const std::optional<tolvane::MekCsrReq>& req,
                             const std::optional<tolvane::MekAbnormal>& abnormal) override
    {
        calls.push_back("detectCommunication");
        if (onDetectCommunication)
            onDetectCommunication(verification, req, abnormal);
    }

    size_t count(const std::string& call) const { return std::count(calls.begin(), calls.end(), call); }

    std::vector<std::string> calls;
    bool checksumChecked = true;
    bool detectFinished = false;
    // Follows switchPauseDetect(); a test may set it.
    bool detectPaused = false;
    DetectCommunication onDetectCommunication;
};

} // namespace testing_support
